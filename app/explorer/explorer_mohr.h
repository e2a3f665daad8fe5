// The explorer's Mohr diagram in effective stress (compression positive):
// the three circles at equal scales with the region between them shaded,
// the joint's point, the Mohr-Coulomb envelope and s1, s2, s3 on the axis.
// It draws the analysis model as it stands.
#pragma once

#include "app/explorer/explorer_diagram.h"
#include "core/analysis_model.h"
#include "diagrams/mohr_geometry.h"

namespace tensorium {

class ExplorerMohr : public ExplorerDiagram {
    Q_OBJECT
public:
    explicit ExplorerMohr(const AnalysisModel& model, QWidget* parent = nullptr);

    // The plot: where sigma' and tau lie in `target`, one scale for both.
    MohrFrame FrameFor(const QRectF& target) const;
    static QPointF At(const MohrFrame& frame, double sigma, double tau);
    QPointF JointPointAt(const QRectF& target) const;

    void Paint(QPainter& painter, const QRectF& target) const override;

private:
    const AnalysisState& State() const { return model_.state(); }
    QPainterPath PathOf(const MohrFrame& f, const std::vector<MohrPoint>& points) const;

    const AnalysisModel& model_;
};

}  // namespace tensorium
