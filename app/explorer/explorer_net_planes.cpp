// The measured planes on the net: their poles, coloured as the field or by
// set, the selected ones ringed; and the density of the poles, contoured in
// standard deviations with its maximum marked.
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

#include "app/explorer/dot_layer.h"
#include "app/explorer/explorer_net.h"
#include "app/explorer/plane_colours.h"
#include "core/angles.h"
#include "diagrams/contour.h"

namespace tensorium {
namespace {

// The grid of the density: smooth contours at 1600 x 900.
constexpr int kDensityNodes = 96;

}  // namespace

void ExplorerNet::SetPlaneSet(PlaneSetDocument* planes)
{
    planeSet_ = planes;
    RepaintOnChangesOf(planes);
    // Steps of the stress or the pore pressure; new planes are drawn when
    // first shown.
    if (planes) connect(planes, &PlaneSetDocument::OutcomesChanged, this, &ExplorerNet::PreparePoles);
}

// The pole of a plane dipping dip towards dd plunges 90 - dip towards
// dd + 180; on the net it lies sqrt(2) sin(dip / 2) out.
NetPoint ExplorerNet::PoleOnNet(const MeasuredPlane& plane)
{
    const double d = DegToRad(plane.dipDirection), r = std::sqrt(2.0) * std::sin(DegToRad(plane.dip) / 2);
    return {-r * std::sin(d), -r * std::cos(d)};
}

const std::vector<QPointF>& ExplorerNet::PolesAt(const QRectF& target) const
{
    if (!planeSet_) {
        polesAt_.clear();
        polesAtVersion_ = -1;
        return polesAt_;
    }
    if (polesVersion_ != planeSet_->PlanesVersion()) {
        poles_.clear();
        for (const MeasuredPlane& plane : planeSet_->Planes()) poles_.push_back(PoleOnNet(plane));
        polesVersion_ = planeSet_->PlanesVersion();
    }
    if (polesAtVersion_ != polesVersion_ || polesTarget_ != target) {
        polesAt_.clear();
        polesAt_.reserve(poles_.size());
        for (const NetPoint& p : poles_) polesAt_.push_back(ToTarget(target, p));
        polesAtVersion_ = polesVersion_;
        polesTarget_ = target;
    }
    return polesAt_;
}

int ExplorerNet::PoleAt(const QRectF& target, const QPointF& at) const
{
    if (!planeSet_ || !layers_.poles) return -1;
    const std::vector<QPointF>& poles = PolesAt(target);
    const double reach = std::max(6.0, Marker(target, 5));
    int nearest = -1;
    double best = reach;
    for (size_t k = 0; k < poles.size(); ++k) {
        const double d = std::hypot(poles[k].x() - at.x(), poles[k].y() - at.y());
        if (d <= best) best = d, nearest = static_cast<int>(k);
    }
    return nearest;
}

double ExplorerNet::PoleRadius(const QRectF& target) const
{
    return std::max(1.2, Marker(target, 1.8) * DotScale(planeSet_->Planes().size()));
}

ExplorerNet::PoleDots ExplorerNet::PoleDotsIn(const QRectF& target) const
{
    const std::vector<QPointF>& at = PolesAt(target);
    const std::vector<QRgb>& colours = PlaneColours(*planeSet_, kind_, State().joint.phi);
    // Over a field, in the field's own colours, each pole is ringed thinly
    // so that it stands out from the ground; tens of thousands stand out as
    // a mass without.
    const bool overField = kind_ != FieldKind::None && at.size() <= 10000;
    PoleDots dots;
    dots.marks.resize(at.size());
    for (size_t k = 0; k < at.size(); ++k) dots.marks[k] = {at[k], colours[k], overField};
    dots.radius = PoleRadius(target);
    dots.ring = overField ? std::max(0.8, 0.35 * dots.radius) : 0;
    return dots;
}

ExplorerNet::PolesKey ExplorerNet::PolesKeyFor(const QRectF& target, double ratio) const
{
    return {target, ratio, State().joint.phi, TextScale(), planeSet_->Version(), planeSet_->PlanesVersion(),
            kind_};
}

void ExplorerNet::PreparePoles()
{
    preparedPolesKey_.reset();
    preparedPoles_ = {};
    if (!planeSet_ || planeSet_->Planes().empty() || !layers_.poles || !isVisible()) return;
    const QRectF target(rect());
    const double ratio = devicePixelRatioF();
    preparedPolesKey_ = PolesKeyFor(target, ratio);
    // A picture for an earlier step that has not started is not wanted:
    // steps without a paint between them leave one waiting, not a queue.
    worker_.clear();
    preparedPoles_ = QtConcurrent::run(&worker_, [dots = PoleDotsIn(target), target, ratio] {
        return DotLayerOf(target, ratio, dots.marks, dots.radius, dots.ring);
    });
}

void ExplorerNet::PaintPoles(QPainter& painter, const QRectF& target) const
{
    if (!planeSet_ || planeSet_->Planes().empty()) return;
    if (TakesDotPictures(painter)) {
        const PolesKey key = PolesKeyFor(target, painter.device()->devicePixelRatioF());
        if (!(preparedPolesKey_ && *preparedPolesKey_ == key)) {
            const PoleDots dots = PoleDotsIn(target);
            preparedPolesKey_ = key;
            preparedPoles_ =
                QtFuture::makeReadyFuture(DotLayerOf(target, key.ratio, dots.marks, dots.radius, dots.ring));
        }
        PaintDotLayer(painter, preparedPoles_.result());
    } else {
        const PoleDots dots = PoleDotsIn(target);
        PaintDots(painter, target, dots.marks, dots.radius, dots.ring);
    }
    // The selected planes last, larger and ringed, over the others.
    const std::vector<QPointF>& at = PolesAt(target);
    const std::vector<QRgb>& colours = PlaneColours(*planeSet_, kind_, State().joint.phi);
    std::vector<DotMark> selected;
    for (int row : planeSet_->Selection()) selected.push_back({at[row], colours[row], true});
    const double radius = PoleRadius(target);
    PaintDots(painter, target, selected, 1.8 * radius, std::max(1.5, radius * 0.6));
}

const PoleDensity* ExplorerNet::Density() const
{
    if (!planeSet_ || planeSet_->Planes().empty()) return nullptr;
    if (densityVersion_ != planeSet_->PlanesVersion()) {
        density_ = KambDensity(PolesOf(planeSet_->Planes()), kDensityNodes);
        densityVersion_ = planeSet_->PlanesVersion();
    }
    return &*density_;
}

void ExplorerNet::PaintDensity(QPainter& painter, const QRectF& target) const
{
    const PoleDensity* density = Density();
    if (!density) return;
    const double r = NetRadius(target);
    const QTransform toTarget(r, 0, 0, -r, target.center().x(), target.center().y());
    painter.save();
    painter.setFont(TextFont(target, 9));
    const QColor ink(60, 20, 20);
    const std::vector<double> levels = ContourLevels(*density);
    // Every level is drawn; with many, only some are named, so that the
    // names stay apart round a tight cluster.
    const size_t named = std::max<size_t>(1, (levels.size() + 4) / 5);
    for (size_t index = 0; index < levels.size(); ++index) {
        const double level = levels[index];
        QPainterPath lines;
        QPointF labelAt;
        size_t longest = 0;
        for (const NetRing& ring : RegionAtOrAbove(*density, level)) {
            for (const NetLine& line : ClipToDisk(ring)) {
                QPolygonF polygon;
                for (const NetPoint& p : line) polygon << toTarget.map(QPointF(p.x, p.y));
                lines.addPolygon(polygon);
                if (line.size() > longest) longest = line.size(), labelAt = polygon[polygon.size() / 2];
            }
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ink, Line(target, level == 2 ? 0.8 : 1.3)));
        painter.drawPath(lines);
        if (longest > 0 && index % named == 0) {
            painter.setPen(ink);
            DrawHaloText(painter, labelAt, QString::number(level, 'g', 3) + QString::fromUtf8("σ"));
        }
    }
    // The maximum: a cross and its value, with the plane whose pole lies there.
    if (density->maximum > 0) {
        const QPointF at = ToTarget(target, density->maximumAt);
        const double half = Marker(target, 4);
        painter.setPen(QPen(ink, Line(target, 1.4)));
        painter.drawLine(at - QPointF(half, 0), at + QPointF(half, 0));
        painter.drawLine(at - QPointF(0, half), at + QPointF(0, half));
        const QString text =
            QString::fromUtf8("max %1σ, %2/%3")
                .arg(QString::number(density->maximum, 'f', 1).replace('.', decimalSeparator_))
                .arg(std::lround(density->maximumDipDirection) % 360, 3, 10, QChar('0'))
                .arg(std::lround(density->maximumDip), 2, 10, QChar('0'));
        painter.setPen(ink);
        DrawHaloText(painter, at + QPointF(half * 1.3, -half * 1.3), text);
    }
    painter.restore();
}

}  // namespace tensorium
