// The plane set every window shows: the planes as measured, what the
// analysed stress and the pore pressure make of each, and the changes a user
// makes, each one undoable. It follows the analysis model: a new stress or
// strength recomputes the stresses on every plane, a new pore pressure only
// their stability.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <memory>
#include <vector>

#include "core/analysis_model.h"
#include "core/fault_slip.h"
#include "core/plane_set.h"
#include "core/plane_set_analysis.h"
#include "core/stress_inversion_bootstrap.h"

namespace tensorium {

class PlaneSetDocument : public QObject {
    Q_OBJECT
public:
    explicit PlaneSetDocument(AnalysisModel& model, QObject* parent = nullptr);

    const PlaneSet& Planes() const { return planes_; }
    const std::vector<PlaneOutcome>& Outcomes() const { return outcomes_; }
    // For the planes with an observed slip (a rake): the rake the stress
    // predicts and the angle between the two; empty for the others.
    const std::vector<PlaneSlipFit>& SlipFits() const { return slipFits_; }
    int CriticalCount() const { return criticalCount_; }
    double CriticalPercent() const;
    // The share critically stressed against the pore pressure, which
    // depends on the stress and the strength, not on the pressure.
    const CriticalCurve& Curve() const { return curve_; }
    // Counts every recomputation, so that views can tell a new state, and
    // every change of the planes themselves.
    int Version() const { return version_; }
    int PlanesVersion() const { return planesVersion_; }

    // The planes picked in any view (rows of the set, ascending).
    const std::vector<int>& Selection() const { return selection_; }
    void Select(std::vector<int> rows);
    double PorePressure() const { return conditions_.porePressure; }
    QUndoStack& UndoStack() { return undo_; }

    // Each of these is one step on the undo stack.
    void ReplaceAll(const PlaneSet& planes, const QString& what);
    void Append(const PlaneSet& planes, const QString& what);
    void Remove(std::vector<int> rows);
    void Edit(int row, const MeasuredPlane& plane);

    // For the steps themselves: no undo of their own.
    void SetPlanes(PlaneSet planes);

    // The stress last found from the faults' slips, with its bootstrap;
    // none until it is found, and none again once the planes change.
    const BootstrapResult* Inversion() const { return inversion_.get(); }
    void SetInversion(std::shared_ptr<const BootstrapResult> inversion);

signals:
    // The planes changed (rows added, removed, edited or replaced).
    void PlanesChanged();
    // The computed values changed, the planes stayed.
    void OutcomesChanged();
    void SelectionChanged();
    void InversionChanged();

private:
    void FollowModel(const AnalysisState& state);
    void Recompute(bool stresses);

    AnalysisModel& model_;
    ModelSubscription subscription_;
    PlaneSet planes_;
    std::vector<PlaneStresses> stresses_;
    std::vector<PlaneOutcome> outcomes_;
    std::vector<PlaneSlipFit> slipFits_;
    int criticalCount_ = 0;
    CriticalCurve curve_{{}};
    int version_ = 0, planesVersion_ = 0;
    std::vector<int> selection_;
    std::shared_ptr<const BootstrapResult> inversion_;
    StressState stress_{};
    PlaneSetConditions conditions_;
    bool analysed_ = false;
    QUndoStack undo_;
};

}  // namespace tensorium
