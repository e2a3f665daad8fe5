// The stress found from the faults' slips on the net: each axis as a square
// in the colour of its principal stress, the axes of the bootstrap's
// resamples as dots round it and the cone that holds 95 % of them.
#include <QPainter>
#include <QPainterPath>

#include "app/explorer/dot_layer.h"
#include "app/explorer/explorer_net.h"
#include "app/palette_colour.h"
#include "diagrams/net_cone.h"

namespace tensorium {

void ExplorerNet::PaintInversion(QPainter& painter, const QRectF& target) const
{
    const BootstrapResult* found = planeSet_ ? planeSet_->Inversion() : nullptr;
    if (!found) return;
    painter.save();
    painter.setFont(TextFont(target, 9));
    const Vec3* best[3] = {&found->best.stress.s1, &found->best.stress.s2, &found->best.stress.s3};
    for (int k = 0; k < 3; ++k) {
        const QColor colour = ColourOf(palette::kSigma[k]);
        // The resamples' axes, faint and small: a cloud, not a thousand marks.
        std::vector<DotMark> samples;
        QColor faint = colour;
        faint = faint.lighter(160);
        for (const Vec3& axis : found->axes[k].samples)
            samples.push_back({ToTarget(target, ProjectDownward(axis)), faint.rgb(), false});
        PaintDots(painter, target, samples, std::max(0.8, Marker(target, 0.9)), 0);

        QPainterPath cone;
        for (const NetLine& line : ConeOutline(*best[k], found->axes[k].radius95Degrees)) {
            cone.moveTo(ToTarget(target, line.front()));
            for (size_t i = 1; i < line.size(); ++i) cone.lineTo(ToTarget(target, line[i]));
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, Line(target, 1.4), Qt::DashLine));
        painter.drawPath(cone);

        const QPointF at = ToTarget(target, ProjectDownward(*best[k]));
        const double half = Marker(target, 4);
        painter.setPen(QPen(Qt::white, Line(target, 3.2)));
        painter.drawRect(QRectF(at - QPointF(half, half), at + QPointF(half, half)));
        painter.setPen(QPen(colour, Line(target, 1.6)));
        painter.drawRect(QRectF(at - QPointF(half, half), at + QPointF(half, half)));
        DrawHaloText(painter, at + QPointF(half * 1.4, half * 1.4 + painter.fontMetrics().ascent()),
                     QString::fromUtf8("σ%1 fit").arg(k + 1));
    }
    painter.restore();
}

}  // namespace tensorium
