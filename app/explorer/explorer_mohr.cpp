#include "app/explorer/explorer_mohr.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>

#include "app/explorer/dot_layer.h"
#include "app/explorer/plane_colours.h"
#include "core/equal_stresses.h"

namespace tensorium {
namespace {

// The circles through s1 and s2, s1 and s3, s2 and s3.
constexpr Rgb kCircleColours[3] = {palette::kCircleS1S2, palette::kCircleS1S3, palette::kCircleS2S3Projected};
constexpr int kCirclePairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
// The circles without the pore pressure: there, but behind everything. An
// opaque light grey, solid: a translucent or dashed pen strokes many times
// slower.
const QColor kOutline(175, 175, 175);

// The rectangle of `text` in `font` with its baseline at the origin: the
// advance box and the ink, grown by half the halo's pen (DrawHaloText).
// The layout measures the same few texts again at every step of the pore
// pressure or the joint: they are measured once.
QRectF TextBox(const QFont& font, const QString& text)
{
    static QHash<QString, QRectF> measured;
    const QString key = font.key() + QChar(0) + text;
    const auto known = measured.constFind(key);
    if (known != measured.constEnd()) return *known;
    const QFontMetricsF metrics(font);
    QRectF box(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    box = box.united(metrics.boundingRect(text));
    const double halo = std::max(1.0, metrics.height() / 12.0);
    box.adjust(-halo, -halo, halo, halo);
    if (measured.size() > 4096) measured.clear();
    measured.insert(key, box);
    return box;
}

// A label whose rectangle is aligned to `anchor` as `align` says.
MohrLabel LabelAt(MohrLabel::Role role, const QString& text, const QFont& font, const QPointF& anchor,
                  Qt::Alignment align, double value = 0)
{
    const QRectF box = TextBox(font, text);
    const double left = (align & Qt::AlignRight)     ? anchor.x() - box.width()
                        : (align & Qt::AlignHCenter) ? anchor.x() - box.width() / 2
                                                     : anchor.x();
    const double top = (align & Qt::AlignBottom)    ? anchor.y() - box.height()
                       : (align & Qt::AlignVCenter) ? anchor.y() - box.height() / 2
                                                    : anchor.y();
    MohrLabel label;
    label.role = role;
    label.text = text;
    label.rect = QRectF(left, top, box.width(), box.height());
    label.baseline = QPointF(left - box.left(), top - box.top());
    label.value = value;
    return label;
}

bool Clashes(const QRectF& rect, const std::vector<MohrLabel>& labels, double gap)
{
    const QRectF room = rect.adjusted(-gap, -gap, gap, gap);
    return std::any_of(labels.begin(), labels.end(),
                       [&](const MohrLabel& l) { return l.rect.intersects(room); });
}

// The principal stresses as the axis names them, left to right: equal ones
// are one point with one label.
struct PrincipalMark {
    double sigma;
    QString text;
};
std::vector<PrincipalMark> PrincipalMarks(const AnalysisState& state)
{
    const double p = state.porePressure;
    const double s1 = state.principal.s1 - p, s2 = state.principal.s2 - p, s3 = state.principal.s3 - p;
    const EqualStresses equal = EqualPrincipalStresses(state.principal);
    if (equal.all) return {{s1, "s1 = s2 = s3"}};
    if (equal.topPair) return {{s3, "s3"}, {s1, "s1 = s2"}};
    if (equal.bottomPair) return {{s3, "s2 = s3"}, {s1, "s1"}};
    return {{s3, "s3"}, {s2, "s2"}, {s1, "s1"}};
}

// The upper half of the circle from `from` to `to` on the sigma axis, over
// the top, appended to `path` as the painter's own arc: two curves stroke
// far faster than a polyline of many segments, and stay round at any zoom.
// The frame has one scale for sigma and tau, so the circle stays a circle.
void AppendHalfCircle(QPainterPath& path, const MohrFrame& f, double from, double to)
{
    const double radius = std::fabs(from * 0.5 - to * 0.5) * f.pxPerUnit;
    const QPointF centre(f.X(from * 0.5 + to * 0.5), f.Y(0));
    const QRectF box(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    const QPointF start(f.X(from), f.Y(0));
    // arcTo joins the arc to the path's end with a line.
    if (path.elementCount() == 0) path.moveTo(start);
    // Qt's angles run anticlockwise on screen from three o'clock.
    if (radius > 0) path.arcTo(box, from >= to ? 0 : 180, from >= to ? 180 : -180);
}

QPainterPath HalfCircle(const MohrFrame& f, double si, double sj)
{
    QPainterPath path;
    AppendHalfCircle(path, f, std::max(si, sj), std::min(si, sj));
    return path;
}

QRectF RectOf(const PlotRect& r) { return {r.left, r.top, r.width, r.height}; }

// How many of `points` lie in `rect`.
int PointsIn(const QRectF& rect, const MohrFrame& f, const std::vector<MohrPoint>& points)
{
    return static_cast<int>(std::count_if(points.begin(), points.end(), [&](const MohrPoint& p) {
        return rect.contains(ExplorerMohr::At(f, p.sigma, p.tau));
    }));
}

// Samples of what a text or the legend should rather not cover. The joint
// is not among them: the legend stays where it is while the joint moves, and
// the joint is drawn over it.
MohrInk InkOf(const AnalysisState& state, const MohrFrame& f)
{
    MohrInk ink;
    const double p = state.porePressure;
    const MohrSegment envelope = EnvelopeSegment(state.joint.phi, state.joint.c, f.sigmaHigh, f.tauHigh);
    for (int k = 0; envelope.present && k <= 60; ++k)
        ink.envelope.push_back({envelope.from.sigma + (envelope.to.sigma - envelope.from.sigma) * k / 60,
                                envelope.from.tau + (envelope.to.tau - envelope.from.tau) * k / 60});
    for (double shift : {p, 0.0}) {
        const std::vector<MohrPoint> arc =
            UpperHalfCircle(state.principal.s1 - shift, state.principal.s3 - shift, 90);
        ink.circles.insert(ink.circles.end(), arc.begin(), arc.end());
    }
    return ink;
}

}  // namespace

ExplorerMohr::ExplorerMohr(const AnalysisModel& model, QWidget* parent)
    : ExplorerDiagram(parent), model_(model)
{
    setObjectName("ExplorerMohr");
    setAccessibleName("Mohr diagram");
    worker_.setMaxThreadCount(1);
}

void ExplorerMohr::SetPlaneSet(PlaneSetDocument* planes)
{
    planeSet_ = planes;
    RepaintOnChangesOf(planes);
    if (planes) {
        // Steps of the stress or the pore pressure, and other planes
        // selected; new planes are drawn when first shown.
        for (auto changed : {&PlaneSetDocument::OutcomesChanged, &PlaneSetDocument::SelectionChanged})
            connect(planes, changed, this, &ExplorerMohr::PreparePlanes);
    }
}

void ExplorerMohr::SetPlanesShown(bool shown)
{
    planesShown_ = shown;
    update();
}

void ExplorerMohr::SetPlaneColouring(FieldKind field)
{
    planeField_ = field;
    update();
}

ExplorerMohr::PlanePoints ExplorerMohr::PlanePointsIn(const QRectF& target, const MohrFrame& f) const
{
    const std::vector<QRgb>& colours = PlaneColours(*planeSet_, planeField_, State().joint.phi);
    const std::vector<PlaneOutcome>& outcomes = planeSet_->Outcomes();
    const double p = State().porePressure;
    PlanePoints points;
    points.dots.reserve(outcomes.size());
    points.critical.reserve(static_cast<size_t>(planeSet_->CriticalCount()));
    for (size_t k = 0; k < outcomes.size(); ++k) {
        const DotMark dot{At(f, outcomes[k].stresses.sigma - p, outcomes[k].stresses.tau), colours[k],
                          outcomes[k].critical};
        (dot.ringed ? points.critical : points.dots).push_back(dot);
    }
    for (int row : planeSet_->Selection())
        points.selected.push_back(
            DotMark{At(f, outcomes[row].stresses.sigma - p, outcomes[row].stresses.tau), colours[row], true});
    points.radius = std::max(1.2, Scaled(target, 1.6) * DotScale(outcomes.size()));
    return points;
}

namespace {

// Critically stressed planes: larger, with a dark ring, crisp once there are
// tens of thousands; the selected: larger still.
constexpr double kCritical = 1.25, kSelected = 2.2;
double CriticalRing(double radius) { return std::max(1.0, 0.45 * radius); }
double SelectedRing(double radius) { return std::max(1.5, 0.6 * radius); }
bool CrispRings(size_t critical) { return critical > 10000; }

}  // namespace

ExplorerMohr::PlaneLayers ExplorerMohr::LayersOf(const PlanePoints& points, const QRectF& target, qreal ratio)
{
    const double r = points.radius;
    return {DotLayerOf(target, ratio, points.dots, r, 0),
            DotLayerOf(target, ratio, points.critical, kCritical * r, CriticalRing(r),
                       CrispRings(points.critical.size())),
            DotLayerOf(target, ratio, points.selected, kSelected * r, SelectedRing(r))};
}

void ExplorerMohr::PaintPlanePoints(QPainter& painter, const QRectF& target, const PlanePoints& points)
{
    const double r = points.radius;
    PaintDots(painter, target, points.dots, r, 0);
    PaintDots(painter, target, points.critical, kCritical * r, CriticalRing(r),
              CrispRings(points.critical.size()));
    PaintDots(painter, target, points.selected, kSelected * r, SelectedRing(r));
}

void ExplorerMohr::PreparePlanes()
{
    preparedKey_.reset();
    prepared_ = {};
    if (!ShowsPlanes() || !isVisible()) return;
    const QRectF target(rect());
    const MohrInk* ink = nullptr;
    PlanePoints points = PlanePointsIn(target, BackdropLayout(target, &ink).frame);
    const qreal ratio = devicePixelRatioF();
    preparedKey_ = std::make_pair(KeyFor(target), ratio);
    // A picture for an earlier step that has not started is not wanted:
    // steps without a paint between them leave one waiting, not a queue.
    worker_.clear();
    prepared_ = QtConcurrent::run(
        &worker_, [points = std::move(points), target, ratio] { return LayersOf(points, target, ratio); });
}

void ExplorerMohr::PaintPlanes(QPainter& painter, const QRectF& target, const MohrFrame& f) const
{
    if (!TakesDotPictures(painter)) return PaintPlanePoints(painter, target, PlanePointsIn(target, f));
    const auto key = std::make_pair(KeyFor(target), painter.device()->devicePixelRatioF());
    if (!(preparedKey_ && *preparedKey_ == key)) {
        preparedKey_ = key;
        prepared_ = QtFuture::makeReadyFuture(LayersOf(PlanePointsIn(target, f), target, key.second));
    }
    const PlaneLayers& layers = prepared_.result();
    PaintDotLayer(painter, layers.dots);
    PaintDotLayer(painter, layers.critical);
    PaintDotLayer(painter, layers.selected);
}

void ExplorerMohr::SetDecimalSeparator(const QString& separator)
{
    decimalSeparator_ = separator;
    update();
}

QPointF ExplorerMohr::At(const MohrFrame& f, double sigma, double tau) { return {f.X(sigma), f.Y(tau)}; }

QPointF ExplorerMohr::JointPointAt(const QRectF& target) const
{
    return At(FrameFor(target), State().jointResult.sigma - State().porePressure, State().jointResult.tau);
}

ExplorerMohr::BackdropKey ExplorerMohr::KeyFor(const QRectF& target) const
{
    const AnalysisState& state = State();
    BackdropKey key;
    key.s1 = state.principal.s1;
    key.s2 = state.principal.s2;
    key.s3 = state.principal.s3;
    key.porePressure = state.porePressure;
    key.phi = state.joint.phi;
    key.c = state.joint.c;
    key.target = target;
    key.textScale = TextScale();
    key.separator = decimalSeparator_;
    if (ShowsPlanes()) {
        key.planesVersion = planeSet_->Version();
        key.field = static_cast<int>(planeField_);
        key.selection = planeSet_->Selection();
    }
    return key;
}

MohrLayout ExplorerMohr::LayoutFor(const QRectF& target) const
{
    const MohrInk* ink = nullptr;
    MohrLayout layout = BackdropLayout(target, &ink);
    layout.labels.push_back(JointLabel(layout, target, *ink));
    return layout;
}

const MohrLayout& ExplorerMohr::BackdropLayout(const QRectF& target, const MohrInk** ink) const
{
    const BackdropKey key = KeyFor(target);
    *ink = &backdropInk_;
    if (laidOutKey_ && *laidOutKey_ == key) return backdropLayout_;
    // Margins grow until every text lies inside the target; each pass at
    // least halves what sticks out (the plot is centred in its room).
    const double edge = Scaled(target, 3);
    const QRectF inner = target.adjusted(edge, edge, -edge, -edge);
    QMarginsF margins(edge, edge, edge, edge);
    MohrLayout layout;
    for (int pass = 0; pass < 10; ++pass) {
        layout = Place(target, margins);
        QRectF bounds = layout.legend;
        for (const MohrLabel& label : layout.labels) bounds = bounds.united(label.rect);
        const QMarginsF out(
            std::max(0.0, inner.left() - bounds.left()), std::max(0.0, inner.top() - bounds.top()),
            std::max(0.0, bounds.right() - inner.right()), std::max(0.0, bounds.bottom() - inner.bottom()));
        if (out.left() + out.top() + out.right() + out.bottom() == 0) break;
        auto grow = [](double deficit) { return deficit > 0 ? deficit + 1 : 0; };
        margins += QMarginsF(grow(out.left()), grow(out.top()), grow(out.right()), grow(out.bottom()));
        // A room too small for the texts keeps a quarter of the target.
        margins.setLeft(std::min(margins.left(), 0.375 * target.width()));
        margins.setRight(std::min(margins.right(), 0.375 * target.width()));
        margins.setTop(std::min(margins.top(), 0.375 * target.height()));
        margins.setBottom(std::min(margins.bottom(), 0.375 * target.height()));
    }
    backdropLayout_ = layout;
    backdropInk_ = InkOf(State(), layout.frame);
    laidOutKey_ = key;
    return backdropLayout_;
}

MohrLayout ExplorerMohr::Place(const QRectF& target, const QMarginsF& margins) const
{
    const AnalysisState& state = State();
    const double p = state.porePressure;
    const PrincipalResult& s = state.principal;
    MohrLayout L;
    L.tickFont = TextFont(target, 11);
    L.labelFont = TextFont(target, 12);
    L.legendFont = TextFont(target, 10);
    L.tickLength = Scaled(target, 5);
    const double gap = Scaled(target, 3);
    const QRectF room = target.marginsRemoved(margins);

    // The legend's size first: its height is kept free over the circles.
    std::vector<std::pair<MohrLegendRow::Sample, QString>> rows = {
        {MohrLegendRow::Sample::envelope, "Mohr-Coulomb envelope"},
        {MohrLegendRow::Sample::region, "Points of all planes"}};
    if (p != 0) rows.push_back({MohrLegendRow::Sample::outline, "Circles at p = 0"});
    if (ShowsPlanes()) {
        const std::string separator = decimalSeparator_.toStdString();
        rows.push_back(
            {MohrLegendRow::Sample::planes,
             QString("Critically stressed: %1 of %2 planes (%3 %)")
                 .arg(planeSet_->CriticalCount())
                 .arg(planeSet_->Planes().size())
                 .arg(
                     QString::number(planeSet_->CriticalPercent(), 'f', 1).replace('.', decimalSeparator_))});
    }
    double textWidth = 0;
    for (const auto& row : rows) textWidth = std::max(textWidth, TextBox(L.legendFont, row.second).width());
    const double inset = gap;
    auto sampleWidth = [&] { return 1.8 * L.legendFont.pixelSize(); };
    const double widest = 2 * inset + sampleWidth() + gap + textWidth;
    if (widest > 0.6 * room.width()) {
        // A legend wider than the plot shrinks, not the plot.
        L.legendFont.setPixelSize(
            std::max(6, static_cast<int>(L.legendFont.pixelSize() * 0.6 * room.width() / widest)));
        textWidth = 0;
        for (const auto& row : rows)
            textWidth = std::max(textWidth, TextBox(L.legendFont, row.second).width());
    }
    const double rowHeight = TextBox(L.legendFont, "Mg").height();
    const QSizeF legendSize(2 * inset + sampleWidth() + gap + textWidth,
                            2 * inset + rows.size() * rowHeight + (rows.size() - 1) * gap * 0.5);

    // The frame holds the circles with and without the pore pressure (and so
    // the joint, which lies on or between them), so that sweeping p moves
    // the circles, not the scale.
    MohrExtent extent;
    extent.sigmaLow = std::min(s.s3 - p, 0.0);
    extent.sigmaHigh = std::max(s.s1 - p, 0.0);
    if (p != 0) {
        extent.sigmaLow = std::min(extent.sigmaLow, s.s3);
        extent.sigmaHigh = std::max(extent.sigmaHigh, s.s1);
    }
    extent.tauTop = std::max(s.s1 * 0.5 - s.s3 * 0.5, 0.0);
    // The envelope's start too, unless the cohesion dwarfs the stresses
    // (their circles would shrink to nothing under it).
    const double size = std::max({extent.tauTop, std::fabs(extent.sigmaLow), std::fabs(extent.sigmaHigh)});
    if (state.joint.c > 0 && state.joint.c <= size) extent.tauTop = std::max(extent.tauTop, state.joint.c);
    const MohrFrame f = L.frame = FitMohrFrame({room.left(), room.top(), room.width(), room.height()}, extent,
                                               legendSize.height() + 2 * gap);
    const std::string separator = decimalSeparator_.toStdString();
    auto text = [&](double value) { return QString::fromStdString(TickText(value, L.ticks, separator)); };

    // The most ticks along sigma whose numbers keep apart.
    const double rowTop = f.Y(0) + L.tickLength + gap;
    for (int most = 8; most >= 3; --most) {
        L.ticks = RoundTicks(f.sigmaLow, f.sigmaHigh, most);
        L.labels.clear();
        bool apart = true;
        for (int k = 0; k < L.ticks.count; ++k) {
            const double value = L.ticks.Value(k);
            const MohrLabel label = LabelAt(MohrLabel::Role::sigmaTick, text(value), L.tickFont,
                                            {f.X(value), rowTop}, Qt::AlignHCenter | Qt::AlignTop, value);
            if (!L.labels.empty() && label.rect.left() < L.labels.back().rect.right() + 2 * gap)
                apart = false;
            L.labels.push_back(label);
        }
        if (apart) break;
    }

    // s1, s2, s3 under the axis at their points: beside the numbers where
    // there is room, otherwise in the first row below them that is free.
    const double rowPitch =
        std::max(TextBox(L.labelFont, "s1").height(), TextBox(L.tickFont, "0").height()) + gap * 1.25;
    for (const PrincipalMark& mark : PrincipalMarks(state)) {
        for (int row = 0;; ++row) {
            const MohrLabel label = LabelAt(MohrLabel::Role::principal, mark.text, L.labelFont,
                                            {f.X(mark.sigma), rowTop + row * rowPitch},
                                            Qt::AlignHCenter | Qt::AlignTop, mark.sigma);
            if (!Clashes(label.rect, L.labels, gap) || row == 4) {
                L.labels.push_back(label);
                break;
            }
        }
    }

    // tau at the same step, left of its axis at sigma' = 0.
    for (int k = 1; k * L.ticks.step <= f.tauHigh && k < 1000; ++k) {
        const double value = k * L.ticks.step;
        L.tauTicks.push_back(value);
        const MohrLabel label =
            LabelAt(MohrLabel::Role::tauTick, text(value), L.tickFont,
                    {f.X(0) - L.tickLength - gap, f.Y(value)}, Qt::AlignRight | Qt::AlignVCenter, value);
        if (!Clashes(label.rect, L.labels, gap)) L.labels.push_back(label);
    }

    // The axes' titles: sigma' beyond the right end of its axis, after every
    // number beside it; tau over the top of its axis, right of the line.
    MohrLabel sigmaTitle = LabelAt(MohrLabel::Role::axisTitle, QString::fromUtf8("σn'"), L.labelFont,
                                   {f.plot.Right() + gap, f.Y(0)}, Qt::AlignLeft | Qt::AlignVCenter);
    double right = f.plot.Right() + gap;
    for (const MohrLabel& label : L.labels)
        if (label.rect.top() < sigmaTitle.rect.bottom() && label.rect.bottom() > sigmaTitle.rect.top())
            right = std::max(right, label.rect.right() + 2 * gap);
    sigmaTitle = LabelAt(MohrLabel::Role::axisTitle, sigmaTitle.text, L.labelFont, {right, f.Y(0)},
                         Qt::AlignLeft | Qt::AlignVCenter);
    L.labels.push_back(sigmaTitle);
    L.labels.push_back(LabelAt(MohrLabel::Role::axisTitle, QString::fromUtf8("τ"), L.labelFont,
                               {f.X(0) + gap, f.plot.top - gap * 0.5}, Qt::AlignLeft | Qt::AlignBottom));

    const MohrInk ink = InkOf(state, f);
    PlaceLegend(L, target, legendSize, rows, ink);
    return L;
}

void ExplorerMohr::PlaceLegend(MohrLayout& L, const QRectF& target, const QSizeF& legendSize,
                               const std::vector<std::pair<MohrLegendRow::Sample, QString>>& rows,
                               const MohrInk& ink) const
{
    const AnalysisState& state = State();
    const PrincipalResult& s = state.principal;
    const MohrFrame& f = L.frame;
    const double gap = Scaled(target, 3), inset = gap, sampleWidth = 1.8 * L.legendFont.pixelSize();
    const double rowHeight = TextBox(L.legendFont, "Mg").height();
    // The legend where it covers least: at the top, in the head kept free
    // for it, unless lower down it covers less of the envelope; never over
    // a label, rather not across the tau axis, a circle or the region.
    auto inRegion = [&](const QPointF& at) {
        const double sigma = f.sigmaLow + (at.x() - f.plot.left) / f.pxPerUnit;
        const double tau = (f.Y(0) - at.y()) / f.pxPerUnit;
        return std::hypot(sigma - (s.s1 * 0.5 + s.s3 * 0.5 - state.porePressure), tau) <
               s.s1 * 0.5 - s.s3 * 0.5;
    };
    double bestScore = HUGE_VAL;
    const double lowest = f.Y(0) - legendSize.height() - gap, rise = legendSize.height() / 3;
    for (double top = f.plot.top + gap; top == f.plot.top + gap || top <= lowest; top += rise) {
        for (double left : {f.X(0) + 2 * gap, f.plot.Right() - legendSize.width() - gap, f.plot.left + gap}) {
            const QRectF box(QPointF(left, top), legendSize);
            const bool crossesAxis = box.left() < f.X(0) && box.right() > f.X(0);
            int covered = 0;
            for (double x : {0.0, 0.5, 1.0})
                for (double y : {0.0, 0.5, 1.0})
                    covered += inRegion({box.left() + x * box.width(), box.top() + y * box.height()});
            const double score = (Clashes(box, L.labels, gap) ? 1e6 : 0) + (crossesAxis ? 1e3 : 0) +
                                 (target.contains(box) ? 0 : 1e5) + PointsIn(box, f, ink.envelope) +
                                 10.0 * (PointsIn(box, f, ink.circles) + covered) +
                                 2 * (top - f.plot.top) / std::max(1.0, f.plot.height);
            if (score < bestScore) bestScore = score, L.legend = box;
        }
    }
    double rowY = L.legend.top() + inset;
    for (const auto& row : rows) {
        MohrLegendRow legendRow;
        legendRow.sample = row.first;
        legendRow.sampleRect = QRectF(L.legend.left() + inset, rowY, sampleWidth, rowHeight);
        L.legendRows.push_back(legendRow);
        L.labels.push_back(LabelAt(MohrLabel::Role::legend, row.second, L.legendFont,
                                   {legendRow.sampleRect.right() + gap, rowY}, Qt::AlignLeft | Qt::AlignTop));
        rowY += rowHeight + gap * 0.5;
    }
}

MohrLabel ExplorerMohr::JointLabel(const MohrLayout& L, const QRectF& target, const MohrInk& ink) const
{
    const MohrFrame& f = L.frame;
    // The joint's label beside its point, where it covers nothing.
    const QPointF joint = At(f, State().jointResult.sigma - State().porePressure, State().jointResult.tau);
    const double reach = 1.3 * Scaled(target, 5);
    const QRectF box = TextBox(L.labelFont, "joint");
    const double w = box.width(), h = box.height();
    const QPointF corners[] = {{joint.x() + reach, joint.y() - reach * 0.5 - h},
                               {joint.x() - reach - w, joint.y() - reach * 0.5 - h},
                               {joint.x() + reach, joint.y() + reach * 0.5},
                               {joint.x() - reach - w, joint.y() + reach * 0.5},
                               {joint.x() + reach, joint.y() - h / 2},
                               {joint.x() - reach - w, joint.y() - h / 2},
                               {joint.x() - w / 2, joint.y() - reach - h},
                               {joint.x() - w / 2, joint.y() + reach}};
    MohrLabel best;
    double bestScore = HUGE_VAL;
    std::vector<MohrLabel> covered = L.labels;
    MohrLabel legendBox;
    legendBox.rect = L.legend;
    covered.push_back(legendBox);
    for (const QPointF& corner : corners) {
        const MohrLabel label = LabelAt(MohrLabel::Role::joint, "joint", L.labelFont, corner, Qt::AlignLeft);
        const double score = (target.contains(label.rect) ? 0 : 1e6) +
                             (Clashes(label.rect, covered, 0) ? 1e3 : 0) +
                             (RectOf(f.plot).contains(label.rect) ? 0 : 5) +
                             PointsIn(label.rect, f, ink.envelope) + PointsIn(label.rect, f, ink.circles);
        if (score < bestScore) bestScore = score, best = label;
    }
    return best;
}

void ExplorerMohr::PaintCircles(QPainter& painter, const QRectF& target, const MohrFrame& f) const
{
    const AnalysisState& state = State();
    const double p = state.porePressure;
    const double at0[3] = {state.principal.s1, state.principal.s2, state.principal.s3};
    const double shifted[3] = {at0[0] - p, at0[1] - p, at0[2] - p};
    const EqualStresses equal = EqualPrincipalStresses(state.principal);
    // An equal pair leaves one circle (the other two coincide with it or
    // shrink to a point); three equal leave a point.
    auto drawn = [&](int c) { return equal.topPair || equal.bottomPair ? c == 1 && !equal.all : true; };

    // Every plane's point lies inside the largest circle and outside the two
    // smaller ones.
    QPainterPath region;
    AppendHalfCircle(region, f, shifted[0], shifted[2]);
    AppendHalfCircle(region, f, shifted[2], shifted[1]);
    AppendHalfCircle(region, f, shifted[1], shifted[0]);
    region.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColourOf(palette::kPlaneRegion));
    painter.drawPath(region);

    painter.setBrush(Qt::NoBrush);
    if (p != 0) {
        painter.setPen(QPen(kOutline, Line(target, 0.8)));
        for (int c = 0; c < 3; ++c)
            if (drawn(c)) painter.drawPath(HalfCircle(f, at0[kCirclePairs[c][0]], at0[kCirclePairs[c][1]]));
    }
    for (int c = 0; c < 3; ++c) {
        if (!drawn(c)) continue;
        painter.setPen(QPen(ColourOf(kCircleColours[c]), Line(target, 1.6)));
        painter.drawPath(HalfCircle(f, shifted[kCirclePairs[c][0]], shifted[kCirclePairs[c][1]]));
    }
    if (equal.all) {
        const double radius = Scaled(target, 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ColourOf(palette::kCircleS1S3));
        painter.drawEllipse(At(f, shifted[0], 0), radius, radius);
    }
}

void ExplorerMohr::PaintAxes(QPainter& painter, const QRectF& target, const MohrLayout& layout) const
{
    const MohrFrame& f = layout.frame;
    painter.setPen(QPen(Qt::black, Line(target, 1.2), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(At(f, f.sigmaLow, 0), At(f, f.sigmaHigh, 0));
    painter.drawLine(At(f, 0, 0), At(f, 0, f.tauHigh));
    painter.setPen(QPen(Qt::black, Line(target, 0.8), Qt::SolidLine, Qt::FlatCap));
    for (int k = 0; k < layout.ticks.count; ++k) {
        const QPointF at = At(f, layout.ticks.Value(k), 0);
        painter.drawLine(at, at + QPointF(0, layout.tickLength));
    }
    for (double tau : layout.tauTicks) {
        const QPointF at = At(f, 0, tau);
        painter.drawLine(at, at - QPointF(layout.tickLength, 0));
    }
}

void ExplorerMohr::PaintLegend(QPainter& painter, const QRectF& target, const MohrLayout& layout) const
{
    painter.setPen(QPen(QColor(160, 160, 160), Line(target, 0.5)));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(layout.legend);
    for (const MohrLegendRow& row : layout.legendRows) {
        const QRectF r = row.sampleRect;
        const QPointF left(r.left(), r.center().y()), right(r.right(), r.center().y());
        switch (row.sample) {
            case MohrLegendRow::Sample::envelope:
                painter.setPen(QPen(ColourOf(palette::kEnvelope), Line(target, 1.8)));
                painter.drawLine(left, right);
                break;
            case MohrLegendRow::Sample::region:
                painter.setPen(Qt::NoPen);
                painter.setBrush(ColourOf(palette::kPlaneRegion));
                painter.drawRect(r.adjusted(0, r.height() * 0.15, 0, -r.height() * 0.15));
                break;
            case MohrLegendRow::Sample::outline:
                painter.setPen(QPen(kOutline, Line(target, 0.8)));
                painter.drawLine(left, right);
                break;
            case MohrLegendRow::Sample::planes: {
                const double radius = std::max(1.5, Scaled(target, 1.6)) * 1.4;
                painter.setPen(QPen(QColor(30, 30, 30), std::max(1.0, 0.3 * radius)));
                painter.setBrush(QColor(170, 170, 170));
                painter.drawEllipse(r.center(), radius, radius);
                break;
            }
        }
    }
}

void ExplorerMohr::Paint(QPainter& painter, const QRectF& target) const
{
    const MohrLayout layout = LayoutFor(target);
    painter.save();
    painter.setClipRect(target);
    const QPaintEngine* engine = painter.paintEngine();
    if (engine && engine->type() == QPaintEngine::Raster)
        PaintBackdropCached(painter, target, layout);
    else
        PaintBackdrop(painter, target, layout);
    PaintJoint(painter, target, layout);
    painter.restore();
}

// On screen and into images the backdrop comes from a picture once the same
// backdrop is painted a second time, so that a joint that moves repaints
// only itself; files and printers get its vectors.
void ExplorerMohr::PaintBackdropCached(QPainter& painter, const QRectF& target,
                                       const MohrLayout& layout) const
{
    const auto key = std::make_pair(KeyFor(target), painter.device()->devicePixelRatioF());
    if (imageKey_ && *imageKey_ == key) {
        painter.drawImage(target.topLeft(), backdropImage_);
        return;
    }
    if (!(paintedKey_ && *paintedKey_ == key)) {
        paintedKey_ = key;
        return PaintBackdrop(painter, target, layout);
    }
    const qreal ratio = key.second;
    const QSize pixels = (target.size() * ratio).toSize();
    if (backdropImage_.size() != pixels || backdropImage_.devicePixelRatioF() != ratio) {
        // Opaque, so that it is drawn by copying, not blending.
        backdropImage_ = QImage(pixels, QImage::Format_RGB32);
        backdropImage_.setDevicePixelRatio(ratio);
    }
    {
        QPainter image(&backdropImage_);
        image.setRenderHint(QPainter::Antialiasing);
        image.translate(-target.topLeft());
        PaintBackdrop(image, target, layout);
    }
    imageKey_ = key;
    painter.drawImage(target.topLeft(), backdropImage_);
}

void ExplorerMohr::PaintBackdrop(QPainter& painter, const QRectF& target, const MohrLayout& layout) const
{
    const MohrFrame& f = layout.frame;
    const AnalysisState& state = State();
    painter.save();
    painter.fillRect(target, Qt::white);
    PaintAxes(painter, target, layout);
    PaintCircles(painter, target, f);

    // The Mohr-Coulomb envelope for sigma' >= 0, within the plot.
    const MohrSegment envelope = EnvelopeSegment(state.joint.phi, state.joint.c, f.sigmaHigh, f.tauHigh);
    if (envelope.present) {
        painter.save();
        painter.setClipRect(RectOf(f.plot), Qt::IntersectClip);
        painter.setPen(QPen(ColourOf(palette::kEnvelope), Line(target, 1.8)));
        painter.drawLine(At(f, envelope.from.sigma, envelope.from.tau),
                         At(f, envelope.to.sigma, envelope.to.tau));
        painter.restore();
    }

    if (ShowsPlanes()) {
        painter.save();
        painter.setClipRect(RectOf(f.plot).adjusted(-4, -4, 4, 4), Qt::IntersectClip);
        PaintPlanes(painter, target, f);
        painter.restore();
    }

    // s1, s2, s3 as dots on the axis.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double dot = Scaled(target, 2.5);
    for (const MohrLabel& label : layout.labels)
        if (label.role == MohrLabel::Role::principal) painter.drawEllipse(At(f, label.value, 0), dot, dot);

    PaintLegend(painter, target, layout);
    painter.setPen(Qt::black);
    for (const MohrLabel& label : layout.labels) {
        if (label.role == MohrLabel::Role::joint) continue;
        const bool ticks = label.role == MohrLabel::Role::sigmaTick || label.role == MohrLabel::Role::tauTick;
        painter.setFont(ticks                                   ? layout.tickFont
                        : label.role == MohrLabel::Role::legend ? layout.legendFont
                                                                : layout.labelFont);
        DrawHaloText(painter, label.baseline, label.text);
    }
    painter.restore();
}

// The joint over everything, coloured by its safety factor once there is one.
void ExplorerMohr::PaintJoint(QPainter& painter, const QRectF& target, const MohrLayout& layout) const
{
    const AnalysisState& state = State();
    const std::optional<double>& safety = state.jointStability.safetyFactor;
    const QColor jointColour = ColourOf(safety ? palette::SafetyColour(*safety) : palette::kJointHandle);
    const double radius = Scaled(target, 5);
    painter.save();
    painter.setPen(QPen(Qt::black, Line(target, 0.8)));
    painter.setBrush(jointColour);
    painter.drawEllipse(At(layout.frame, state.jointResult.sigma - state.porePressure, state.jointResult.tau),
                        radius, radius);
    painter.setFont(layout.labelFont);
    painter.setPen(jointColour.darker(130));
    for (const MohrLabel& label : layout.labels)
        if (label.role == MohrLabel::Role::joint) DrawHaloText(painter, label.baseline, label.text);
    painter.restore();
}

}  // namespace tensorium
