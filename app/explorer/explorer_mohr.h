// The explorer's Mohr diagram in effective stress (compression positive):
// the three circles at equal scales with the region between them shaded,
// the joint's point, the Mohr-Coulomb envelope and s1, s2, s3 on the axis.
#pragma once

#include "app/explorer/explorer_diagram.h"
#include "core/analysis_model.h"

namespace tensorium {

class ExplorerMohr : public ExplorerDiagram {
    Q_OBJECT
public:
    explicit ExplorerMohr(QWidget* parent = nullptr);

    void SetState(const AnalysisState& state);
    void SetPorePressure(double p);

    // The plot: where sigma' and tau lie in `target`, one scale for both.
    struct Frame {
        QRectF plot;
        double sigmaLow = 0, sigmaHigh = 1, tauHigh = 1, pxPerUnit = 1;
        QPointF At(double sigma, double tau) const;
    };
    Frame FrameFor(const QRectF& target) const;
    QPointF JointPointAt(const QRectF& target) const;

    void Paint(QPainter& painter, const QRectF& target) const override;

private:
    AnalysisState state_;
    double porePressure_ = 0;
};

}  // namespace tensorium
