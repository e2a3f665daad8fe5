#include "app/explorer/explorer_net.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/explorer/colour_map.h"
#include "app/explorer/net_drawing.h"
#include "core/angles.h"
#include "core/equal_stresses.h"

namespace tensorium {
namespace {

const QColor kPrincipalColour(200, 0, 0);
const QColor kUserColour(0, 90, 200);
const QColor kJointColour(230, 97, 0);
constexpr int kFieldCells = 64;
constexpr int kBands = 10;

QFont TextFont(const QRectF& target, double base, double scale)
{
    QFont font("Liberation Sans");
    font.setPixelSize(std::max(
        6, static_cast<int>(std::lround(base * scale * std::min(target.width(), target.height()) / 400.0))));
    return font;
}

// The value at fraction q of the sorted finite values.
double Quantile(std::vector<double> values, double q)
{
    if (values.empty()) return 0;
    const size_t k = std::min(values.size() - 1, static_cast<size_t>(q * (values.size() - 1)));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(k), values.end());
    return values[k];
}

}  // namespace

ExplorerNet::ExplorerNet(QWidget* parent) : ExplorerDiagram(parent)
{
    setObjectName("ExplorerNet");
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Equal-area net");
}

void ExplorerNet::SetState(const AnalysisState& state)
{
    state_ = state;
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
    RefreshField();
    update();
}

void ExplorerNet::SetPorePressure(double p)
{
    porePressure_ = p;
    RefreshField();
    update();
}

// The field depends on the stress, the strength and the pressure only: a
// joint that moves leaves it as it is.
void ExplorerNet::RefreshField()
{
    const FieldInputs inputs{state_.stress,    state_.principal.s1, state_.principal.s3,
                             state_.joint.phi, state_.joint.c,      porePressure_};
    if (field_.kind == kind_ && field_.size > 0 && inputs == fieldInputs_) return;
    fieldInputs_ = inputs;
    field_ = ComputeField(kind_, inputs, kFieldCells);
    ++fieldComputations_;
    std::vector<double> finite;
    for (double v : field_.values)
        if (std::isfinite(v)) finite.push_back(v);
    // The colours span all but the extreme tails: near tau = 0 or sigma' = 0
    // the quotients grow without bound and would flatten the rest.
    fieldLow_ = Quantile(finite, 0.02);
    fieldHigh_ = Quantile(finite, 0.98);
    if (!(fieldHigh_ > fieldLow_)) fieldHigh_ = fieldLow_ + 1;
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
    return ToTarget(target, ProjectDownward(PoleOf({state_.joint.azimuth, state_.joint.dip})));
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
    painter.setPen(QPen(Qt::black, Unit(target, 1.5)));
    painter.drawEllipse(centre, r, r);
    // The North mark above the top of the primitive circle.
    painter.setFont(TextFont(target, 14, TextScale()));
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
        fieldImage_.devicePixelRatioF() != ratio) {
        fieldImage_ = QImage((target.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        fieldImage_.setDevicePixelRatio(ratio);
        fieldImage_.fill(Qt::transparent);
        QPainter image(&fieldImage_);
        image.setRenderHint(QPainter::Antialiasing);
        PaintField(image, QRectF(QPointF(), target.size()));
        fieldImageSize_ = target.size();
        fieldImageComputation_ = fieldComputations_;
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
    const double span = fieldHigh_ - fieldLow_;
    auto band = [&](double v) {
        return std::clamp(static_cast<int>((v - fieldLow_) / span * kBands), 0, kBands - 1);
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
    // Contour lines between the bands, by marching squares over the cell centres.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(40, 40, 40), Unit(target, 0.8)));
    for (int b = 1; b < kBands; ++b) {
        const double level = fieldLow_ + span * b / kBands;
        for (int j = 0; j + 1 < field_.size; ++j) {
            for (int i = 0; i + 1 < field_.size; ++i) {
                const double v[4] = {field_.At(i, j), field_.At(i + 1, j), field_.At(i + 1, j + 1),
                                     field_.At(i, j + 1)};
                if (!std::all_of(v, v + 4, [](double x) { return std::isfinite(x); })) continue;
                const NetPoint corner[4] = {{field_.X(i), field_.Y(j)},
                                            {field_.X(i + 1), field_.Y(j)},
                                            {field_.X(i + 1), field_.Y(j + 1)},
                                            {field_.X(i), field_.Y(j + 1)}};
                std::vector<QPointF> crossings;
                for (int e = 0; e < 4; ++e) {
                    const double a = v[e], c = v[(e + 1) % 4];
                    if ((a < level) == (c < level)) continue;
                    const double f = (level - a) / (c - a);
                    const NetPoint p{corner[e].x + f * (corner[(e + 1) % 4].x - corner[e].x),
                                     corner[e].y + f * (corner[(e + 1) % 4].y - corner[e].y)};
                    crossings.push_back(ToTarget(target, p));
                }
                for (size_t k = 0; k + 1 < crossings.size(); k += 2)
                    painter.drawLine(crossings[k], crossings[k + 1]);
            }
        }
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
    painter.setPen(QPen(Qt::black, Unit(target, 0.8)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
    painter.setFont(TextFont(target, 11, TextScale()));
    const QString names[] = {"", "Slip tendency", "Dilation tendency", "Safety factor"};
    const QRectF labels(bar.left(), bar.bottom(), bar.width(), target.bottom() - bar.bottom());
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, QString::number(fieldLow_, 'g', 3));
    painter.drawText(labels, Qt::AlignHCenter | Qt::AlignTop, names[static_cast<int>(kind_)]);
    painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, QString::number(fieldHigh_, 'g', 3));
    painter.restore();
}

void ExplorerNet::PaintPrincipal(QPainter& painter, const QRectF& target) const
{
    const PrincipalResult& p = state_.principal;
    const EqualStresses equal = EqualPrincipalStresses(p);
    painter.save();
    painter.setPen(QPen(kPrincipalColour, Unit(target, 1.6)));
    painter.setFont(TextFont(target, 12, TextScale()));
    if (equal.all) {
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
        const Vec3& axis = p.axes[k].downCosines;
        painter.drawPath(GreatCircle(target, axis, &ToTarget));
        const QPointF at = ToTarget(target, ProjectDownward(axis));
        painter.drawPath(Cross(at, half));
        painter.drawText(at + QPointF(half, -half), QString("s%1").arg(k + 1));
    }
    painter.restore();
}

void ExplorerNet::PaintUser(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.setPen(QPen(kUserColour, Unit(target, 1.2), Qt::DashLine));
    painter.setFont(TextFont(target, 12, TextScale()));
    const double half = Unit(target, 5);
    const char* names[3] = {"x'", "y'", "z'"};
    for (int k = 0; k < 3; ++k) {
        const Vec3& row = state_.user.rotation[k];
        if (Norm(row) == 0) continue;
        painter.drawPath(GreatCircle(target, PointingDown(row), &ToTarget));
        const QPointF at = ToTarget(target, ProjectDownward(row));
        painter.drawPath(Cross(at, half));
        painter.drawText(at + QPointF(half, half * 2.5), names[k]);
    }
    painter.restore();
}

void ExplorerNet::PaintJoint(QPainter& painter, const QRectF& target) const
{
    const Vec3 pole = PoleOf({state_.joint.azimuth, state_.joint.dip});
    painter.save();
    painter.setPen(QPen(kJointColour, Unit(target, 2.2)));
    painter.drawPath(GreatCircle(target, pole, &ToTarget));
    painter.setBrush(kJointColour);
    painter.setPen(QPen(Qt::black, Unit(target, 0.8)));
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
        PlaneOfPole(DownwardAt(FromTarget(target, event->position())), state_.joint.azimuth);
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
    const double direction = RadToDeg(state_.joint.azimuth), dip = RadToDeg(state_.joint.dip);
    switch (event->key()) {
        case Qt::Key_Right: return MoveTo(direction + 1, dip);
        case Qt::Key_Left: return MoveTo(direction - 1, dip);
        case Qt::Key_Up: return MoveTo(direction, dip + 1);
        case Qt::Key_Down: return MoveTo(direction, dip - 1);
        default: ExplorerDiagram::keyPressEvent(event);
    }
}

}  // namespace tensorium
