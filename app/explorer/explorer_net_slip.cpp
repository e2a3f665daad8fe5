// The slip of the measured faults on the net: at each pole of a plane with a
// rake, an arrow along which the pole moves when turned towards the hanging
// wall's observed slip (the tangent to the great circle through the pole and
// the slip), and one towards the slip the explorer's stress drives; the P and
// T axes of each fault; and the key to both.
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/explorer/dot_layer.h"
#include "app/explorer/explorer_net.h"
#include "core/fault_slip.h"

namespace tensorium {
namespace {

// The unit direction on the net in which the point of the downward unit
// vector `at` moves when turned towards `towards`, a direction at right
// angles to it (a slip lies in the plane whose pole is `at`). The net puts a
// downward (x, y, z) at (x, y) / sqrt(1 - z); its derivative along `towards`
// is that direction. It is smooth up to the horizontal, where a slip that
// rises leads out of the circle.
NetPoint TangentOnNet(const Vec3& at, const Vec3& towards)
{
    const double w = 1 - at[2], root = std::sqrt(w);
    const double outward = towards[2] / (2 * w * root);
    const double dx = towards[0] / root + at[0] * outward, dy = towards[1] / root + at[1] * outward;
    const double length = std::hypot(dx, dy);
    return {dx / length, dy / length};
}

bool SameStress(const StressState& a, const StressState& b)
{
    return a.sx == b.sx && a.sy == b.sy && a.sz == b.sz && a.txy == b.txy && a.tyz == b.tyz && a.tzx == b.tzx;
}

// The direction on the target of a unit direction on the net (North up).
QPointF OnTarget(const NetPoint& direction) { return {direction.x, -direction.y}; }

// Arrows of one colour, all drawn with one pen and one brush. On screen and
// into images, the shafts as lines and the heads as triangles one by one:
// the painter fills thousands of small shapes apart far faster than one path
// of thousands of pieces (measured 4.7 ms against 50 ms for 4,000 heads).
// Into files, as one path of shafts and one of heads, which keeps the file
// small.
struct Arrows {
    std::vector<QLineF> shafts;
    std::vector<std::array<QPointF, 3>> heads;

    // An arrow of `length` centred on `centre` along the unit `direction`,
    // its head grown by `widen` all round (for a halo under it, or a bolder
    // arrow).
    void Add(const QPointF& centre, const QPointF& direction, double length, double widen = 0)
    {
        const QPointF tip = centre + direction * (length / 2), tail = centre - direction * (length / 2);
        const double head = 0.42 * length, half = 0.45 * head;
        const QPointF base = tip - direction * head, across(-direction.y(), direction.x());
        // The shaft ends inside the head, so that its flat end never shows.
        shafts.emplace_back(tail - direction * widen, base + direction * (0.5 * head));
        // Each side moved out by `widen`: the tip by widen / sin of the half angle.
        const double sine = half / std::hypot(half, head);
        const QPointF grownBase = base - direction * widen;
        const double grownHalf = half * (1 + (widen / sine + widen) / head);
        heads.push_back({tip + direction * (widen / sine), grownBase + across * grownHalf,
                         grownBase - across * grownHalf});
    }

    void Paint(QPainter& painter, const QColor& colour, double width) const
    {
        const QPaintEngine* engine = painter.paintEngine();
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(colour);
        if (engine && engine->type() == QPaintEngine::Raster) {
            painter.drawLines(shafts.data(), static_cast<int>(shafts.size()));
            painter.setPen(Qt::NoPen);
            for (const auto& head : heads) painter.drawConvexPolygon(head.data(), 3);
            return;
        }
        QPainterPath lines, triangles;
        for (const QLineF& shaft : shafts) {
            lines.moveTo(shaft.p1());
            lines.lineTo(shaft.p2());
        }
        for (const auto& head : heads) triangles.addPolygon(QPolygonF({head[0], head[1], head[2], head[0]}));
        painter.strokePath(lines, painter.pen());
        painter.fillPath(triangles, colour);
    }
};

}  // namespace

const std::vector<ExplorerNet::NetFault>& ExplorerNet::Faults() const
{
    if (!planeSet_) {
        faults_.clear();
        faultsVersion_ = -1;
        return faults_;
    }
    const StressState& stress = State().stress;
    const bool samePlanes = faultsVersion_ == planeSet_->PlanesVersion();
    if (samePlanes && faultsStress_ && SameStress(*faultsStress_, stress)) return faults_;
    const PlaneSet& planes = planeSet_->Planes();
    if (!samePlanes) {
        faults_.clear();
        for (size_t k = 0; k < planes.size(); ++k) {
            const MeasuredPlane& plane = planes[k];
            if (!plane.rake) continue;
            const Vec3 normal = FrameOf(plane).normal, slip = SlipOfRake(plane, *plane.rake);
            const FaultAxes axes = PAndTAxes(normal, slip);
            NetFault fault;
            fault.row = static_cast<int>(k);
            fault.pole = PoleOnNet(plane);
            fault.observed = TangentOnNet(Scaled(normal, -1.0), slip);
            fault.p = ProjectDownward(axes.p);
            fault.t = ProjectDownward(axes.t);
            faults_.push_back(fault);
        }
        faultsVersion_ = planeSet_->PlanesVersion();
    }
    ++faultsComputations_;
    // A new stress turns the predicted slips only.
    for (NetFault& fault : faults_) {
        const MeasuredPlane& plane = planes[fault.row];
        const std::optional<Vec3> slip = PredictedSlip(plane, stress);
        fault.predicted.reset();
        if (slip) fault.predicted = TangentOnNet(Scaled(FrameOf(plane).normal, -1.0), *slip);
    }
    faultsStress_ = stress;
    return faults_;
}

std::vector<NetFaultAt> ExplorerNet::FaultsAt(const QRectF& target) const
{
    std::vector<NetFaultAt> at;
    for (const NetFault& fault : Faults()) {
        NetFaultAt placed;
        placed.row = fault.row;
        placed.pole = ToTarget(target, fault.pole);
        placed.observed = OnTarget(fault.observed);
        if (fault.predicted) placed.predicted = OnTarget(*fault.predicted);
        placed.p = ToTarget(target, fault.p);
        placed.t = ToTarget(target, fault.t);
        at.push_back(placed);
    }
    return at;
}

// The arrows of each colour, the selected planes' apart and thicker, each
// kind drawn at once with one pen: thousands take a few milliseconds. The
// predicted arrow, shorter and thinner, lies over the observed one, so that
// where the two agree the observed one shows round it.
void ExplorerNet::PaintArrows(QPainter& painter, const QRectF& target) const
{
    const std::vector<NetFault>& faults = Faults();
    std::vector<char> selected(planeSet_->Planes().size(), 0);
    for (int row : planeSet_->Selection())
        if (row >= 0 && row < static_cast<int>(selected.size())) selected[row] = 1;
    // Shorter in dense sets, as the poles are smaller, but never too short to read.
    const double length = Marker(target, 14) * std::max(0.6, DotScale(faults.size()));
    const double thick = Line(target, 1.6), thin = Line(target, 0.9), edge = Line(target, 0.8);
    // Over a field, a white edge keeps the arrows apart from its colours;
    // many thousands stand out as a mass without.
    const bool halo = kind_ != FieldKind::None && faults.size() <= 5000;
    Arrows observed[2], predicted[2], under[2];  // the others, then the selected
    for (const NetFault& fault : faults) {
        const int chosen = selected[fault.row];
        const QPointF at = ToTarget(target, fault.pole), seen = OnTarget(fault.observed);
        const double seenLength = length * (chosen ? 1.25 : 1), drivenLength = length * (chosen ? 1.1 : 0.85);
        // The selected arrows' heads grown with their shafts.
        const double bold = chosen ? 0.4 * thick : 0;
        observed[chosen].Add(at, seen, seenLength, bold);
        if (halo) under[chosen].Add(at, seen, seenLength, bold + edge);
        if (!fault.predicted) continue;
        const QPointF driven = OnTarget(*fault.predicted);
        predicted[chosen].Add(at, driven, drivenLength, bold / 2);
        if (halo) under[chosen].Add(at, driven, drivenLength, bold / 2 + edge);
    }
    painter.save();
    for (int chosen : {0, 1}) {
        const double factor = chosen ? 1.8 : 1;
        if (halo) under[chosen].Paint(painter, Qt::white, factor * thick + 2 * edge);
        observed[chosen].Paint(painter, ColourOf(palette::kObservedSlip), factor * thick);
        predicted[chosen].Paint(painter, ColourOf(palette::kPredictedSlip), factor * thin);
    }
    painter.restore();
}

// On screen and into images, from a picture of the arrows alone made once
// for each state of the faults, the selection and the size; files get the
// arrows' vectors.
void ExplorerNet::PaintSlip(QPainter& painter, const QRectF& target) const
{
    if (Faults().empty()) return;
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return PaintArrows(painter, target);
    const double ratio = painter.device()->devicePixelRatioF();
    SlipImageKey key{faultsComputations_, planeSet_->Selection(),  target.size(), ratio,
                     TextScale(),         kind_ != FieldKind::None};
    if (!(key == slipImageKey_)) {
        // The square round the circle, with room for arrows that lead out
        // of it, from a whole pixel of the target.
        const double reach = NetRadius(target) + Marker(target, 14);
        slipImageOffset_ =
            QPointF(std::floor(target.width() / 2 - reach), std::floor(target.height() / 2 - reach));
        const double side = std::ceil(2 * reach + 2);
        const QSize pixels = QSizeF(side * ratio, side * ratio).toSize();
        if (slipImage_.size() != pixels || slipImage_.devicePixelRatioF() != ratio) {
            slipImage_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            slipImage_.setDevicePixelRatio(ratio);
        }
        slipImage_.fill(Qt::transparent);
        QPainter image(&slipImage_);
        image.setRenderHint(QPainter::Antialiasing);
        PaintArrows(image, QRectF(-slipImageOffset_, target.size()));
        slipImageKey_ = std::move(key);
    }
    painter.drawImage(target.topLeft() + slipImageOffset_, slipImage_);
}

// P as black dots, T as white ones, both ringed: the selected faults' larger.
void ExplorerNet::PaintFaultAxes(QPainter& painter, const QRectF& target) const
{
    const std::vector<NetFault>& faults = Faults();
    if (faults.empty()) return;
    std::vector<char> selected(planeSet_->Planes().size(), 0);
    for (int row : planeSet_->Selection())
        if (row >= 0 && row < static_cast<int>(selected.size())) selected[row] = 1;
    std::vector<DotMark> dots[2];
    for (const NetFault& fault : faults) {
        std::vector<DotMark>& into = dots[static_cast<int>(selected[fault.row])];
        into.push_back({ToTarget(target, fault.p), qRgb(0, 0, 0), true});
        into.push_back({ToTarget(target, fault.t), qRgb(255, 255, 255), true});
    }
    const double radius = std::max(1.5, Marker(target, 2.6) * DotScale(faults.size()));
    const double ring = std::max(1.0, 0.4 * radius);
    PaintDots(painter, target, dots[0], radius, ring);
    PaintDots(painter, target, dots[1], 1.6 * radius, 1.3 * ring);
}

void ExplorerNet::PaintKey(QPainter& painter, const QRectF& target, const NetLayout& layout) const
{
    if (layout.key.empty()) return;
    using Symbol = NetLayout::KeySymbol;
    painter.save();
    painter.setFont(layout.legendFont);
    for (const NetLayout::KeyEntry& entry : layout.key) {
        const QRectF& mark = entry.mark;
        const QPointF centre = mark.center();
        painter.setPen(QPen(QColor(30, 30, 30), std::max(1.0, 0.2 * mark.height() / 2)));
        switch (entry.symbol) {
            case Symbol::ObservedSlip:
            case Symbol::PredictedSlip: {
                const bool observed = entry.symbol == Symbol::ObservedSlip;
                const QColor colour = ColourOf(observed ? palette::kObservedSlip : palette::kPredictedSlip);
                Arrows arrow;
                arrow.Add(centre, QPointF(1, 0), 0.8 * mark.width());
                arrow.Paint(painter, colour, Line(target, observed ? 1.6 : 0.9));
                break;
            }
            case Symbol::PAxis:
            case Symbol::TAxis: {
                const double radius = 0.22 * mark.height();
                painter.setBrush(entry.symbol == Symbol::PAxis ? Qt::black : Qt::white);
                painter.drawEllipse(centre, radius, radius);
                break;
            }
            case Symbol::FoundStress: {
                // The square of an axis found, in the colour of sigma 1.
                const double half = 0.25 * mark.height();
                painter.setBrush(Qt::NoBrush);
                painter.setPen(QPen(ColourOf(palette::kSigma[0]), Line(target, 1.6)));
                painter.drawRect(QRectF(centre - QPointF(half, half), centre + QPointF(half, half)));
                break;
            }
        }
        painter.setPen(Qt::black);
        DrawHaloText(painter, entry.label.box, Qt::AlignLeft | Qt::AlignVCenter, entry.label.text);
    }
    painter.restore();
}

}  // namespace tensorium
