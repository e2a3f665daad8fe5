// The explorer's Mohr diagram in effective stress (compression positive):
// the three circles at equal scales with the region between them shaded,
// the joint's point, the Mohr-Coulomb envelope, numbered axes, s1, s2, s3 on
// the axis and a legend. A pore pressure moves the circles left and leaves
// faint outlines where they stood without it. It draws the analysis model as
// it stands.
#pragma once

#include <QFont>
#include <QFuture>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QThreadPool>
#include <optional>
#include <utility>
#include <vector>

#include "app/explorer/dot_layer.h"
#include "app/explorer/explorer_diagram.h"
#include "app/planes/plane_set_document.h"
#include "core/analysis_model.h"
#include "diagrams/mohr_geometry.h"
#include "diagrams/stability_field.h"

namespace tensorium {

// One text of the diagram: where its baseline starts and the rectangle that
// its glyphs and their halo cover.
struct MohrLabel {
    enum class Role { sigmaTick, tauTick, principal, axisTitle, legend, joint };
    Role role = Role::sigmaTick;
    QString text;
    QRectF rect;
    QPointF baseline;
    double value = 0;  // a tick's stress, or a principal label's sigma'
};

// A row of the legend: its sample (a line, a swatch or an outline) beside its text.
struct MohrLegendRow {
    enum class Sample { envelope, region, outline, planes };
    Sample sample = Sample::envelope;
    QRectF sampleRect;
};

// Where everything of the diagram goes in one target, computed once for the
// painting and for the tests that measure it.
struct MohrLayout {
    MohrFrame frame;
    AxisTicks ticks;  // one step on both axes
    std::vector<double> tauTicks;
    double tickLength = 0;
    QFont tickFont, labelFont, legendFont;
    std::vector<MohrLabel> labels;  // every text, each drawn once
    QRectF legend;                  // the legend's box
    std::vector<MohrLegendRow> legendRows;
};

// Samples of the envelope, the circles (with and without the pore pressure)
// and the joint's point, which the legend and the joint's label rather leave
// uncovered.
struct MohrInk {
    std::vector<MohrPoint> envelope, circles;
};

class ExplorerMohr : public ExplorerDiagram {
    Q_OBJECT
public:
    explicit ExplorerMohr(const AnalysisModel& model, QWidget* parent = nullptr);

    // The regional decimal separator of the tick labels ("." until set).
    void SetDecimalSeparator(const QString& separator);
    // The measured planes, each a point coloured as its pole on the net is
    // for `field` (by set without one), those critically stressed ringed,
    // and their count in the legend; shown while `shown`.
    void SetPlaneSet(PlaneSetDocument* planes);
    void SetPlanesShown(bool shown);
    void SetPlaneColouring(FieldKind field);

    MohrLayout LayoutFor(const QRectF& target) const;
    // The plot: where sigma' and tau lie in `target`, one scale for both.
    MohrFrame FrameFor(const QRectF& target) const { return LayoutFor(target).frame; }
    static QPointF At(const MohrFrame& frame, double sigma, double tau);
    QPointF JointPointAt(const QRectF& target) const;

    void Paint(QPainter& painter, const QRectF& target) const override;

private:
    const AnalysisState& State() const { return model_.state(); }
    // A length of `base` px at a 400 px diagram, grown with the target and the text scale.
    double Scaled(const QRectF& target, double base) const { return Unit(target, base) * TextScale(); }
    MohrLayout Place(const QRectF& target, const QMarginsF& margins) const;
    void PlaceLegend(MohrLayout& layout, const QRectF& target, const QSizeF& size,
                     const std::vector<std::pair<MohrLegendRow::Sample, QString>>& rows,
                     const MohrInk& ink) const;
    MohrLabel JointLabel(const MohrLayout& layout, const QRectF& target, const MohrInk& ink) const;
    void PaintCircles(QPainter& painter, const QRectF& target, const MohrFrame& f) const;
    void PaintAxes(QPainter& painter, const QRectF& target, const MohrLayout& layout) const;
    void PaintLegend(QPainter& painter, const QRectF& target, const MohrLayout& layout) const;
    // Everything but the joint: what a joint that moves leaves as it is.
    void PaintBackdrop(QPainter& painter, const QRectF& target, const MohrLayout& layout) const;
    void PaintBackdropCached(QPainter& painter, const QRectF& target, const MohrLayout& layout) const;
    void PaintJoint(QPainter& painter, const QRectF& target, const MohrLayout& layout) const;

    // What the backdrop depends on; the joint is not part of it.
    struct BackdropKey {
        double s1 = 0, s2 = 0, s3 = 0, porePressure = 0, phi = 0, c = 0;
        QRectF target;
        double textScale = 0;
        QString separator;
        int planesVersion = -1, field = 0;  // the measured planes, when shown
        std::vector<int> selection;
        bool operator==(const BackdropKey& o) const
        {
            return s1 == o.s1 && s2 == o.s2 && s3 == o.s3 && porePressure == o.porePressure && phi == o.phi &&
                   c == o.c && target == o.target && textScale == o.textScale && separator == o.separator &&
                   planesVersion == o.planesVersion && field == o.field && selection == o.selection;
        }
    };
    BackdropKey KeyFor(const QRectF& target) const;
    // The layout without the joint's label, and the ink the joint's label
    // avoids, kept for the last backdrop laid out.
    const MohrLayout& BackdropLayout(const QRectF& target, const MohrInk** ink) const;

    void PaintPlanes(QPainter& painter, const QRectF& target, const MohrFrame& f) const;
    bool ShowsPlanes() const { return planeSet_ && planesShown_ && !planeSet_->Planes().empty(); }

    const AnalysisModel& model_;
    QString decimalSeparator_ = ".";
    PlaneSetDocument* planeSet_ = nullptr;
    bool planesShown_ = false;
    FieldKind planeField_ = FieldKind::None;
    mutable std::optional<BackdropKey> laidOutKey_;
    mutable MohrLayout backdropLayout_;
    mutable MohrInk backdropInk_;
    // On screen: the backdrop as a picture, made when the same backdrop is
    // painted a second time (a pore pressure that moves paints it directly).
    mutable QImage backdropImage_;
    mutable std::optional<std::pair<BackdropKey, qreal>> imageKey_, paintedKey_;

    // The measured planes' points: the others, those critically stressed
    // (larger, ringed, over the others) and the selected (over all).
    struct PlanePoints {
        std::vector<DotMark> dots, critical, selected;
        double radius = 0;
    };
    struct PlaneLayers {
        DotLayer dots, critical, selected;
    };
    PlanePoints PlanePointsIn(const QRectF& target, const MohrFrame& f) const;
    static PlaneLayers LayersOf(const PlanePoints& points, const QRectF& target, qreal ratio);
    static void PaintPlanePoints(QPainter& painter, const QRectF& target, const PlanePoints& points);
    // Starts the planes' pictures for the diagram as it now stands on a
    // worker, while the window's thread updates the rest of the window.
    void PreparePlanes();
    // The pictures of the planes' points for one backdrop at one pixel
    // ratio, made or in the making.
    mutable std::optional<std::pair<BackdropKey, qreal>> preparedKey_;
    mutable QFuture<PlaneLayers> prepared_;
    // One worker of the diagram's own, so that no long task elsewhere keeps
    // a step waiting.
    QThreadPool worker_;
};

}  // namespace tensorium
