#include "app/explorer/explorer_net.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/explorer/colour_map.h"
#include "core/angles.h"
#include "core/equal_stresses.h"
#include "core/joint.h"
#include "diagrams/net_geometry.h"

namespace tensorium {
namespace {

constexpr int kFieldCells = 64;
constexpr int kBands = 10;

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

// A cross of half-size `half` at `at`.
QPainterPath CrossAt(const QPointF& at, double half)
{
    QPainterPath path;
    path.moveTo(at + QPointF(-half, -half));
    path.lineTo(at + QPointF(half, half));
    path.moveTo(at + QPointF(-half, half));
    path.lineTo(at + QPointF(half, -half));
    return path;
}

}  // namespace

ExplorerNet::ExplorerNet(const AnalysisModel& model, QWidget* parent) : ExplorerDiagram(parent), model_(model)
{
    setObjectName("ExplorerNet");
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Equal-area net");
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
    field_ = ComputeField(kind_, inputs, kFieldCells);
    ++fieldComputations_;
    fieldRange_ = ColourRange(field_);
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
    return ToTarget(target, PlaneNormalTo(JointNormal(State().joint)).pole);
}

void ExplorerNet::Paint(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.fillRect(target, Qt::white);
    const QPointF centre = target.center();
    const double r = NetRadius(target);
    if (kind_ != FieldKind::None) {
        PaintFieldCached(painter, target);
        PaintLegend(painter, target);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, Line(target, 1.5)));
    painter.drawPath(PathOf(target, PrimitiveCircle(), true));
    // The North mark above the top of the primitive circle.
    painter.setFont(TextFont(target, 14));
    const QRectF north(centre.x() - r, centre.y() - r - Unit(target, 24), 2 * r, Unit(target, 22));
    painter.drawText(north, Qt::AlignHCenter | Qt::AlignBottom, "N");
    painter.drawLine(QPointF(centre.x(), centre.y() - r),
                     QPointF(centre.x(), centre.y() - r + Unit(target, 8)));
    if (layers_.principal) PaintPrincipal(painter, target);
    if (layers_.user) PaintUser(painter, target);
    if (layers_.joint) PaintJoint(painter, target);
    painter.restore();
}

// On screen and into images the field comes from a picture made once per
// field and size; files and printers get its vectors.
void ExplorerNet::PaintFieldCached(QPainter& painter, const QRectF& target) const
{
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return PaintField(painter, target);
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (fieldImageComputation_ != fieldComputations_ || fieldImageSize_ != target.size() ||
        fieldImage_.devicePixelRatioF() != ratio || fieldImageScale_ != TextScale()) {
        fieldImage_ = QImage((target.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        fieldImage_.setDevicePixelRatio(ratio);
        fieldImage_.fill(Qt::transparent);
        QPainter image(&fieldImage_);
        image.setRenderHint(QPainter::Antialiasing);
        PaintField(image, QRectF(QPointF(), target.size()));
        fieldImageSize_ = target.size();
        fieldImageComputation_ = fieldComputations_;
        fieldImageScale_ = TextScale();
    }
    painter.drawImage(target.topLeft(), fieldImage_);
}

void ExplorerNet::PaintField(QPainter& painter, const QRectF& target) const
{
    const double r = NetRadius(target);
    painter.save();
    QPainterPath circle;
    circle.addEllipse(target.center(), r, r);
    painter.setClipPath(circle);
    painter.setPen(Qt::NoPen);
    // Cells drawn without antialiasing meet without seams.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double cell = 2 * r / field_.size;
    const double span = fieldRange_.high - fieldRange_.low;
    auto band = [&](double v) {
        return std::clamp(static_cast<int>((v - fieldRange_.low) / span * kBands), 0, kBands - 1);
    };
    // Filled bands: each cell in the colour of its band.
    for (int j = 0; j < field_.size; ++j) {
        for (int i = 0; i < field_.size; ++i) {
            const double v = field_.At(i, j);
            if (!std::isfinite(v)) continue;
            painter.setBrush(MapColour((band(v) + 0.5) / kBands));
            const QPointF at = ToTarget(target, {field_.X(i), field_.Y(j)});
            // A hair wider than the cell, so that no seam shows between cells.
            painter.drawRect(QRectF(at.x() - cell / 2, at.y() - cell / 2, cell * 1.02, cell * 1.02));
        }
    }
    // Contour lines between the bands.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(40, 40, 40), Line(target, 1.0)));
    for (int b = 1; b < kBands; ++b) {
        for (const NetSegment& segment : ContourSegments(field_, fieldRange_.low + span * b / kBands))
            painter.drawLine(ToTarget(target, segment.from), ToTarget(target, segment.to));
    }
    painter.restore();
}

void ExplorerNet::PaintLegend(QPainter& painter, const QRectF& target) const
{
    const QPointF centre = target.center();
    const double r = NetRadius(target);
    const QRectF bar(centre.x() - r, centre.y() + r + Unit(target, 10), 2 * r, Unit(target, 9));
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int b = 0; b < kBands; ++b) {
        painter.setBrush(MapColour((b + 0.5) / kBands));
        painter.drawRect(QRectF(bar.left() + bar.width() * b / kBands, bar.top(), bar.width() / kBands + 0.5,
                                bar.height()));
    }
    painter.setPen(QPen(Qt::black, Line(target, 1.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
    painter.setFont(TextFont(target, 11));
    const QString names[] = {"", "Slip tendency", "Dilation tendency", "Safety factor"};
    const QRectF labels(bar.left(), bar.bottom(), bar.width(), target.bottom() - bar.bottom());
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, QString::number(fieldRange_.low, 'g', 3));
    painter.drawText(labels, Qt::AlignHCenter | Qt::AlignTop, names[static_cast<int>(kind_)]);
    painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, QString::number(fieldRange_.high, 'g', 3));
    painter.restore();
}

void ExplorerNet::PaintPrincipal(QPainter& painter, const QRectF& target) const
{
    const PrincipalResult& p = State().principal;
    const EqualStresses equal = EqualPrincipalStresses(p);
    painter.save();
    painter.setFont(TextFont(target, 12));
    if (equal.all) {
        painter.setPen(Qt::black);
        painter.drawText(target.adjusted(Unit(target, 6), Unit(target, 4), 0, 0),
                         Qt::AlignLeft | Qt::AlignTop,
                         QString::fromUtf8("σ1 = σ2 = σ3: every direction is principal"));
        painter.restore();
        return;
    }
    const bool topPair = equal.topPair, bottomPair = equal.bottomPair;
    const double half = Unit(target, 6);
    for (int k = 0; k < 3; ++k) {
        // The axes of an equal pair are not determined: they lie anywhere on
        // the plane normal to the distinct axis, which is drawn instead.
        if ((topPair && k < 2) || (bottomPair && k > 0)) continue;
        painter.setPen(QPen(ColourOf(palette::kSigma[k]), Line(target, 1.6)));
        const NetPlane plane = PlaneNormalTo(p.axes[k].downCosines);
        painter.drawPath(PathOf(target, plane.arc, false));
        const QPointF at = ToTarget(target, plane.pole);
        painter.drawPath(CrossAt(at, half));
        painter.drawText(at + QPointF(half, -half), QString("s%1").arg(k + 1));
    }
    painter.restore();
}

void ExplorerNet::PaintUser(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.setFont(TextFont(target, 12));
    const double half = Unit(target, 5);
    const char* names[3] = {"x'", "y'", "z'"};
    for (int k = 0; k < 3; ++k) {
        const Vec3& row = State().user.rotation[k];
        if (Norm(row) == 0) continue;
        painter.setPen(QPen(ColourOf(palette::kUserAxis[k]), Line(target, 1.2), Qt::DashLine));
        const NetPlane plane = PlaneNormalTo(row);
        painter.drawPath(PathOf(target, plane.arc, false));
        const QPointF at = ToTarget(target, plane.pole);
        painter.drawPath(CrossAt(at, half));
        painter.drawText(at + QPointF(half, half * 2.5), names[k]);
    }
    painter.restore();
}

void ExplorerNet::PaintJoint(QPainter& painter, const QRectF& target) const
{
    const QColor handle = ColourOf(palette::kJointHandle);
    painter.save();
    painter.setPen(QPen(handle, Line(target, 2.2)));
    painter.drawPath(PathOf(target, PlaneNormalTo(JointNormal(State().joint)).arc, false));
    painter.setBrush(handle);
    painter.setPen(QPen(Qt::black, Line(target, 1.0)));
    const double radius = Unit(target, 6);
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
    dragging_ = layers_.joint && std::hypot(offset.x(), offset.y()) <= std::max(8.0, Unit(target, 12));
    if (dragging_) setCursor(Qt::ClosedHandCursor);
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
