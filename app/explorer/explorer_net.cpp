#include "app/explorer/explorer_net.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/explorer/colour_map.h"
#include "app/explorer/smooth_curve.h"
#include "core/angles.h"
#include "core/equal_stresses.h"
#include "core/joint.h"
#include "diagrams/net_geometry.h"

namespace tensorium {
namespace {

// Nodes of the field's grid along each side: its contours stay smooth at
// 1600 x 900 and a pore pressure step computes it in well under a millisecond.
constexpr int kFieldNodes = 64;

QPainterPath PathOf(const QRectF& target, const std::vector<NetPoint>& points, bool closed)
{
    QPainterPath path;
    for (size_t k = 0; k < points.size(); ++k) {
        const QPointF at = ExplorerNet::ToTarget(target, points[k]);
        if (k == 0) {
            path.moveTo(at);
        } else {
            path.lineTo(at);
        }
    }
    if (closed) path.closeSubpath();
    return path;
}

// The same as a polygon on the target.
QPolygonF PolylineOf(const QRectF& target, const std::vector<NetPoint>& points)
{
    QPolygonF line;
    line.reserve(static_cast<int>(points.size()));
    for (const NetPoint& p : points) line << ExplorerNet::ToTarget(target, p);
    return line;
}

// A plane's arc as a smooth curve of a few pieces, within a ten-thousandth
// of the net's radius of its points (a twentieth of a pixel on screen).
QPainterPath ArcOf(const QRectF& target, const NetPlane& plane)
{
    return SmoothCurveThrough(PolylineOf(target, plane.arc), 8, 1e-4 * ExplorerNet::NetRadius(target));
}

// A cross of half-size `half` at `at` in `pen`, over a white one a little
// wider, so that it shows over any colour of a field.
void CrossOnWhite(QPainter& painter, const QPointF& at, double half, const QPen& pen)
{
    const QLineF lines[2] = {{at + QPointF(-half, -half), at + QPointF(half, half)},
                             {at + QPointF(-half, half), at + QPointF(half, -half)}};
    QPen under = pen;
    under.setColor(Qt::white);
    under.setWidthF(pen.widthF() * 2.2);
    painter.setPen(under);
    painter.drawLines(lines, 2);
    painter.setPen(pen);
    painter.drawLines(lines, 2);
}

}  // namespace

ExplorerNet::ExplorerNet(const AnalysisModel& model, QWidget* parent) : ExplorerDiagram(parent), model_(model)
{
    setObjectName("ExplorerNet");
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Equal-area net");
    worker_.setMaxThreadCount(1);
}

void ExplorerNet::Refresh()
{
    RefreshField();
    update();
}

void ExplorerNet::SetLayers(const NetLayers& layers)
{
    layers_ = layers;
    update();
}

void ExplorerNet::SetField(FieldKind kind)
{
    kind_ = kind;
    fieldInputs_ = {};  // computed afresh for the new kind
    field_ = {};
    Refresh();
}

// The field depends on the stress, the strength and the pressure only: a
// joint that moves leaves it as it is.
void ExplorerNet::RefreshField()
{
    const AnalysisState& s = State();
    const FieldInputs inputs{s.stress,    s.principal.s1, s.principal.s3,
                             s.joint.phi, s.joint.c,      s.porePressure};
    if (field_.kind == kind_ && field_.size > 0 && inputs == fieldInputs_) return;
    fieldInputs_ = inputs;
    if (kind_ != FieldKind::None && !gridStresses_.Of(s.stress, kFieldNodes))
        gridStresses_ = StressesOnGrid(s.stress, kFieldNodes);
    field_ = kind_ == FieldKind::None ? ComputeField(kind_, inputs, kFieldNodes)
                                      : ComputeField(kind_, inputs, gridStresses_);
    ++fieldComputations_;
    picture_ = FieldPictureOf(field_, s.joint.phi);
}

NetPlane ExplorerNet::PlaneFor(const Vec3& line) const
{
    for (const auto& known : planes_)
        if (known.first == line) return known.second;
    // Seven planes at most are drawn at once; a few more are kept.
    if (planes_.size() >= 12) planes_.clear();
    planes_.emplace_back(line, PlaneNormalTo(line));
    return planes_.back().second;
}

double ExplorerNet::NetRadius(const QRectF& target)
{
    return 0.40 * std::min(target.width(), target.height());
}

QPointF ExplorerNet::ToTarget(const QRectF& target, const NetPoint& p)
{
    const double r = NetRadius(target);
    return {target.center().x() + r * p.x, target.center().y() - r * p.y};
}

NetPoint ExplorerNet::FromTarget(const QRectF& target, const QPointF& at)
{
    const double r = NetRadius(target);
    return {(at.x() - target.center().x()) / r, (target.center().y() - at.y()) / r};
}

QPointF ExplorerNet::JointPoleAt(const QRectF& target) const
{
    return ToTarget(target, PlaneFor(JointNormal(State().joint)).pole);
}

void ExplorerNet::Paint(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.fillRect(target, Qt::white);
    const NetLayout layout = LayoutFor(target);
    const QPointF centre = target.center();
    const double r = NetRadius(target);
    if (kind_ != FieldKind::None) {
        PaintFieldCached(painter, target);
        PaintLegend(painter, target, layout);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, Line(target, 1.5)));
    painter.drawEllipse(centre, r, r);
    // The North mark above the top of the primitive circle.
    painter.drawLine(QPointF(centre.x(), centre.y() - r),
                     QPointF(centre.x(), centre.y() - r + Marker(target, 8)));
    painter.setFont(layout.northFont);
    DrawHaloText(painter, layout.north.box, Qt::AlignCenter, layout.north.text);
    if (layers_.density) PaintDensity(painter, target);
    if (layers_.principal) PaintPrincipal(painter, target, layout);
    if (layers_.user) PaintUser(painter, target, layout);
    if (layers_.poles) PaintPoles(painter, target);
    if (layers_.pt) PaintFaultAxes(painter, target);
    if (layers_.pt) PaintInversion(painter, target);
    if (layers_.slip) PaintSlip(painter, target);
    if (layers_.joint) PaintJoint(painter, target);
    PaintKey(painter, target, layout);
    painter.restore();
}

// On screen and into images the field comes from a picture made once per
// field and size, so that a joint that moves repaints the net but not the
// field; files and printers get its vectors. A field painted for the first
// time (a step of the pore pressure) is painted directly: the picture is made
// only when the same field is painted again.
void ExplorerNet::PaintFieldCached(QPainter& painter, const QRectF& target) const
{
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return PaintField(painter, target);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const FieldImageKey key{fieldComputations_, target.size(), ratio, TextScale()};
    if (key == fieldImageKey_) {
        painter.drawImage(target.topLeft() + fieldImageOffset_, fieldImage_);
        return;
    }
    if (!(key == fieldPaintedKey_)) {
        fieldPaintedKey_ = key;
        return PaintField(painter, target);
    }
    // Only the square round the circle, from a whole pixel of the target.
    const double r = NetRadius(target);
    fieldImageOffset_ =
        QPointF(std::floor(target.width() / 2 - r - 2), std::floor(target.height() / 2 - r - 2));
    const QSize pixels = QSizeF(std::ceil(2 * r + 6) * ratio, std::ceil(2 * r + 6) * ratio).toSize();
    if (fieldImage_.size() != pixels || fieldImage_.devicePixelRatioF() != ratio) {
        // Opaque on the net's white ground: drawn by copying, not blending.
        fieldImage_ = QImage(pixels, QImage::Format_RGB32);
        fieldImage_.setDevicePixelRatio(ratio);
    }
    fieldImage_.fill(Qt::white);
    {
        QPainter image(&fieldImage_);
        image.setRenderHint(QPainter::Antialiasing);
        PaintField(image, QRectF(-fieldImageOffset_, target.size()));
    }
    fieldImageKey_ = key;
    painter.drawImage(target.topLeft() + fieldImageOffset_, fieldImage_);
}

// The field's bands, cut to the primitive circle: on screen and into images
// by painting the net's white ground back over what lies outside it (a clip
// path costs the painter more than the whole field); into files, whose SVG
// writer drops clip paths, as polygons cut to the circle.
void ExplorerNet::PaintField(QPainter& painter, const QRectF& target) const
{
    const double r = NetRadius(target);
    const QPointF centre = target.center();
    const QTransform toTarget(r, 0, 0, -r, centre.x(), centre.y());
    const QPainterPath circle = PathOf(target, PrimitiveCircle(), true);
    const QPaintEngine* engine = painter.paintEngine();
    const bool raster = engine && engine->type() == QPaintEngine::Raster;
    painter.save();
    QRectF painted;
    auto fill = [&](const QPainterPath& region, const QColor& colour) {
        const QPainterPath path = toTarget.map(region);
        painted |= path.boundingRect();
        painter.fillPath(raster ? path : path.intersected(circle), colour);
    };
    for (const FieldBand& band : picture_.bands)
        if (!band.region.isEmpty()) fill(band.region, band.colour);
    // The band edges show by their colours alone; only the failure contour
    // is drawn, as polylines, which the painter strokes faster than paths.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, Line(target, 2.0), Qt::SolidLine, Qt::RoundCap));
    for (const QPolygonF& line : picture_.failureLine.toSubpathPolygons(toTarget)) painter.drawPolyline(line);
    // The opened planes over the bands, in a grey that no band has.
    if (!picture_.opened.isEmpty()) fill(picture_.opened, OpenedColour());
    if (raster && !painted.isEmpty()) {
        QPainterPath outside;
        outside.addRect(painted.adjusted(-2, -2, 2, 2));
        outside.addEllipse(centre, r, r);  // odd-even: what lies outside the circle
        painter.fillPath(outside, Qt::white);
    }
    painter.restore();
}

std::optional<double> ExplorerNet::JointValue(bool* opened) const
{
    const PlaneStability& s = State().jointStability;
    *opened = layers_.joint && s.sigmaEff < 0;
    if (!layers_.joint || *opened) return std::nullopt;
    switch (kind_) {
        case FieldKind::SlipTendency: return s.slipTendency;
        case FieldKind::DilationTendency: return s.dilationTendency;
        case FieldKind::SafetyFactor: return s.safetyFactor;
        default: return std::nullopt;
    }
}

bool ExplorerNet::ShowsOpened() const
{
    bool jointOpened = false;
    JointValue(&jointOpened);
    return kind_ != FieldKind::None && (field_.openedNodes > 0 || jointOpened);
}

void ExplorerNet::PaintLegend(QPainter& painter, const QRectF& target, const NetLayout& layout) const
{
    const ValueRange range = picture_.range;
    painter.save();
    painter.setPen(Qt::NoPen);
    // The bar in the bands of the field, its failure end up or right.
    const double half = (layout.upright ? layout.bar.width() : layout.bar.height()) / 2;
    auto across = [&](double t, double reach) {
        const QPointF at = layout.BarAt(t);
        return layout.upright ? QLineF(at.x() - reach, at.y(), at.x() + reach, at.y())
                              : QLineF(at.x(), at.y() - reach, at.x(), at.y() + reach);
    };
    for (int b = 0; b < kFieldBands; ++b) {
        painter.setBrush(MapColour((b + 0.5) / kFieldBands));
        const QLineF from = across(static_cast<double>(b) / kFieldBands, half);
        const QLineF to = across(static_cast<double>(b + 1) / kFieldBands, half);
        painter.drawPolygon(QPolygonF({from.p1(), from.p2(), to.p2(), to.p1()}));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(40, 40, 40), Line(target, 0.6)));
    painter.drawRect(layout.bar);
    if (const std::optional<double> failure = FailureValue(kind_, State().joint.phi)) {
        painter.setPen(QPen(Qt::black, Line(target, 2.0)));
        painter.drawLine(across(Closeness(kind_, range, *failure), half * 1.3));
    }
    painter.setPen(Qt::black);
    painter.setFont(layout.legendFont);
    DrawHaloText(painter, layout.name.box, Qt::AlignCenter, layout.name.text);
    for (const NetLabel& label : layout.values) DrawHaloText(painter, label.box, Qt::AlignCenter, label.text);
    if (!layout.openedSwatch.isEmpty()) {
        painter.setPen(QPen(QColor(90, 90, 90), Line(target, 0.6)));
        painter.setBrush(OpenedColour());
        painter.drawRect(layout.openedSwatch);
        painter.setPen(Qt::black);
        for (const NetLabel& label : layout.openedLabels)
            DrawHaloText(painter, label.box, Qt::AlignLeft | Qt::AlignVCenter, label.text);
    }
    if (!layout.marker.isEmpty()) {
        // A triangle in the joint's colour pointing at its value.
        const QRectF m = layout.marker;
        const QPolygonF triangle =
            layout.upright ? QPolygonF({m.topLeft(), QPointF(m.right(), m.center().y()), m.bottomLeft()})
                           : QPolygonF({m.topLeft(), m.topRight(), QPointF(m.center().x(), m.bottom())});
        painter.setBrush(ColourOf(palette::kJointHandle));
        painter.setPen(QPen(Qt::black, std::max(1.0, Line(target, 0.5) / 2)));
        painter.drawPolygon(triangle);
    }
    painter.restore();
}

void ExplorerNet::PaintPrincipal(QPainter& painter, const QRectF& target, const NetLayout& layout) const
{
    const PrincipalResult& p = State().principal;
    painter.save();
    painter.setFont(layout.poleFont);
    painter.setPen(Qt::black);
    for (const NetLabel& line : layout.notice) DrawHaloText(painter, line.box, Qt::AlignLeft, line.text);
    for (int k = 0; k < 3; ++k) {
        const NetLayout::Pole& pole = layout.principal[k];
        if (pole.label.text.isEmpty()) continue;
        const QPen pen(ColourOf(palette::kSigma[k]), Line(target, 1.6));
        painter.setPen(pen);
        painter.drawPath(ArcOf(target, PlaneFor(p.axes[k].downCosines)));
        CrossOnWhite(painter, pole.at, pole.half, pen);
        DrawHaloText(painter, pole.label.box, Qt::AlignCenter, pole.label.text);
    }
    painter.restore();
}

void ExplorerNet::PaintUser(QPainter& painter, const QRectF& target, const NetLayout& layout) const
{
    painter.save();
    painter.setFont(layout.poleFont);
    for (int k = 0; k < 3; ++k) {
        const NetLayout::Pole& pole = layout.user[k];
        if (pole.label.text.isEmpty()) continue;
        const QPen pen(ColourOf(palette::kUserAxis[k]), Line(target, 1.2), Qt::DashLine);
        painter.setPen(pen);
        painter.drawPath(ArcOf(target, PlaneFor(State().user.rotation[k])));
        QPen solid = pen;
        solid.setStyle(Qt::SolidLine);
        CrossOnWhite(painter, pole.at, pole.half, solid);
        painter.setPen(solid);
        DrawHaloText(painter, pole.label.box, Qt::AlignCenter, pole.label.text);
    }
    painter.restore();
}

void ExplorerNet::PaintJoint(QPainter& painter, const QRectF& target) const
{
    const QColor handle = ColourOf(palette::kJointHandle);
    painter.save();
    painter.setPen(QPen(handle, Line(target, 2.2)));
    painter.drawPath(ArcOf(target, PlaneFor(JointNormal(State().joint))));
    painter.setBrush(handle);
    painter.setPen(QPen(Qt::black, Line(target, 1.0)));
    const double radius = Marker(target, 6);
    painter.drawEllipse(JointPoleAt(target), radius, radius);
    painter.restore();
}

void ExplorerNet::MoveTo(double dipDirection, double dip)
{
    if (!mover_) return;
    dipDirection = std::fmod(dipDirection, 360.0);
    if (dipDirection < 0) dipDirection += 360;
    dip = std::clamp(dip, 0.0, 90.0);
    mover_(std::round(dipDirection * 10) / 10, std::round(dip * 10) / 10);
}

void ExplorerNet::mousePressEvent(QMouseEvent* event)
{
    const QRectF target(rect());
    const QPointF offset = event->position() - JointPoleAt(target);
    dragging_ = layers_.joint && std::hypot(offset.x(), offset.y()) <= std::max(8.0, Marker(target, 12));
    if (dragging_) setCursor(Qt::ClosedHandCursor);
    // A click on a pole selects its plane; with Ctrl it joins or leaves the selection.
    const int pole = dragging_ ? -1 : PoleAt(target, event->position());
    if (pole >= 0 && planeSet_) {
        std::vector<int> rows;
        if (event->modifiers() & Qt::ControlModifier) {
            rows = planeSet_->Selection();
            const auto found = std::find(rows.begin(), rows.end(), pole);
            if (found != rows.end())
                rows.erase(found);
            else
                rows.push_back(pole);
        } else {
            rows = {pole};
        }
        planeSet_->Select(rows);
    }
    ExplorerDiagram::mousePressEvent(event);
}

void ExplorerNet::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) return ExplorerDiagram::mouseMoveEvent(event);
    const QRectF target(rect());
    const PlaneAttitude plane =
        PlaneOfPole(DownwardAt(FromTarget(target, event->position())), State().joint.azimuth);
    MoveTo(RadToDeg(plane.dipDirection), RadToDeg(plane.dip));
}

void ExplorerNet::mouseReleaseEvent(QMouseEvent* event)
{
    dragging_ = false;
    unsetCursor();
    ExplorerDiagram::mouseReleaseEvent(event);
}

void ExplorerNet::keyPressEvent(QKeyEvent* event)
{
    const double direction = RadToDeg(State().joint.azimuth), dip = RadToDeg(State().joint.dip);
    switch (event->key()) {
        case Qt::Key_Right: return MoveTo(direction + 1, dip);
        case Qt::Key_Left: return MoveTo(direction - 1, dip);
        case Qt::Key_Up: return MoveTo(direction, dip + 1);
        case Qt::Key_Down: return MoveTo(direction, dip - 1);
        default: ExplorerDiagram::keyPressEvent(event);
    }
}

}  // namespace tensorium
