#include "app/planes/plane_set_document.h"

#include "core/critical_plane_count.h"

#include <QUndoCommand>
#include <algorithm>
#include <utility>

namespace tensorium {
namespace {

// Versions are counted across every plane set of the run, so that a view's
// kept picture can never take a new set for one it drew before.
int NextVersion()
{
    static int last = 0;
    return ++last;
}

// One step: the whole set before and after, which undo and redo swap. Plain
// and sure; a step of a 50,000-plane set copies a few megabytes.
class SetStep : public QUndoCommand {
public:
    SetStep(PlaneSetDocument& document, PlaneSet after, const QString& text)
        : QUndoCommand(text), document_(document), before_(document.Planes()), after_(std::move(after))
    {
    }
    void undo() override { document_.SetPlanes(before_); }
    void redo() override { document_.SetPlanes(after_); }

private:
    PlaneSetDocument& document_;
    PlaneSet before_, after_;
};

}  // namespace

PlaneSetDocument::PlaneSetDocument(AnalysisModel& model, QObject* parent) : QObject(parent), model_(model)
{
    subscription_ = model_.Subscribe([this](const AnalysisState& state) { FollowModel(state); });
    FollowModel(model_.state());
}

double PlaneSetDocument::CriticalPercent() const
{
    return planes_.empty() ? 0 : 100.0 * criticalCount_ / static_cast<double>(planes_.size());
}

void PlaneSetDocument::Select(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&](int row) { return row < 0 || row >= static_cast<int>(planes_.size()); }),
               rows.end());
    if (rows == selection_) return;
    selection_ = std::move(rows);
    emit SelectionChanged();
}

void PlaneSetDocument::ReplaceAll(const PlaneSet& planes, const QString& what)
{
    undo_.push(new SetStep(*this, planes, what));
}

void PlaneSetDocument::Append(const PlaneSet& planes, const QString& what)
{
    PlaneSet after = planes_;
    after.insert(after.end(), planes.begin(), planes.end());
    undo_.push(new SetStep(*this, std::move(after), what));
}

void PlaneSetDocument::Remove(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    PlaneSet after;
    after.reserve(planes_.size());
    size_t next = 0;
    for (size_t k = 0; k < planes_.size(); ++k) {
        if (next < rows.size() && rows[next] == static_cast<int>(k)) {
            ++next;
            continue;
        }
        after.push_back(planes_[k]);
    }
    if (after.size() == planes_.size()) return;
    undo_.push(new SetStep(*this, std::move(after),
                           rows.size() == 1 ? QString("Delete plane") : QString("Delete planes")));
}

void PlaneSetDocument::Edit(int row, const MeasuredPlane& plane)
{
    if (row < 0 || row >= static_cast<int>(planes_.size()) || planes_[row] == plane) return;
    PlaneSet after = planes_;
    after[row] = plane;
    undo_.push(new SetStep(*this, std::move(after), "Edit plane"));
}

void PlaneSetDocument::SetPlanes(PlaneSet planes)
{
    planes_ = std::move(planes);
    planesVersion_ = NextVersion();
    const bool selected = !selection_.empty();
    selection_.clear();
    Recompute(true);
    emit PlanesChanged();
    if (selected) emit SelectionChanged();
    if (inversion_) SetInversion(nullptr);
}

void PlaneSetDocument::SetInversion(std::shared_ptr<const BootstrapResult> inversion)
{
    inversion_ = std::move(inversion);
    emit InversionChanged();
}

void PlaneSetDocument::FollowModel(const AnalysisState& state)
{
    const PlaneSetConditions conditions = ConditionsOf(state);
    const StressState& stress = state.stress;
    const bool sameStress = analysed_ && stress.sx == stress_.sx && stress.sy == stress_.sy &&
                            stress.sz == stress_.sz && stress.txy == stress_.txy &&
                            stress.tyz == stress_.tyz && stress.tzx == stress_.tzx;
    const bool sameConditions =
        analysed_ && conditions.s1 == conditions_.s1 && conditions.s3 == conditions_.s3 &&
        conditions.phiDegrees == conditions_.phiDegrees && conditions.c == conditions_.c &&
        conditions.porePressure == conditions_.porePressure;
    if (sameStress && sameConditions) return;
    const bool sameStrength =
        analysed_ && conditions.phiDegrees == conditions_.phiDegrees && conditions.c == conditions_.c;
    stress_ = stress;
    conditions_ = conditions;
    analysed_ = true;
    Recompute(!sameStress || !sameStrength);
    emit OutcomesChanged();
}

void PlaneSetDocument::Recompute(bool stresses)
{
    version_ = NextVersion();
    if (stresses || stresses_.size() != planes_.size()) {
        stresses_.resize(planes_.size());
        std::vector<double> pressures(planes_.size());
        for (size_t k = 0; k < planes_.size(); ++k) {
            stresses_[k] = StressesOn(planes_[k], stress_);
            pressures[k] = CriticalPressure(stresses_[k], conditions_.phiDegrees, conditions_.c);
        }
        curve_ = CriticalCurve(std::move(pressures));
        slipFits_.resize(planes_.size());
        for (size_t k = 0; k < planes_.size(); ++k) slipFits_[k] = FitOfSlip(planes_[k], stress_);
    }
    if (!stresses && outcomes_.size() == stresses_.size()) {
        criticalCount_ = ReassessAtPressure(conditions_, outcomes_);
        return;
    }
    AssessMeasured(stresses_, conditions_, outcomes_);
    criticalCount_ = 0;
    for (const PlaneOutcome& outcome : outcomes_) criticalCount_ += outcome.critical;
}

}  // namespace tensorium
