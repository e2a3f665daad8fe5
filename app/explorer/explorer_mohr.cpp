#include "app/explorer/explorer_mohr.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/angles.h"

namespace tensorium {

ExplorerMohr::ExplorerMohr(const AnalysisModel& model, QWidget* parent)
    : ExplorerDiagram(parent), model_(model)
{
    setObjectName("ExplorerMohr");
    setAccessibleName("Mohr diagram");
}

QPointF ExplorerMohr::At(const MohrFrame& f, double sigma, double tau) { return {f.X(sigma), f.Y(tau)}; }

MohrFrame ExplorerMohr::FrameFor(const QRectF& target) const
{
    const AnalysisState& s = State();
    const double p = s.porePressure;
    const double margin = Unit(target, 30);
    const QRectF room = target.adjusted(margin, margin * 0.7, -margin * 0.5, -margin * 1.3);
    return FitMohrFrame({room.left(), room.top(), room.width(), room.height()}, s.principal.s1 - p,
                        s.principal.s3 - p, s.jointResult.sigma - p, s.jointResult.tau);
}

QPointF ExplorerMohr::JointPointAt(const QRectF& target) const
{
    return At(FrameFor(target), State().jointResult.sigma - State().porePressure, State().jointResult.tau);
}

QPainterPath ExplorerMohr::PathOf(const MohrFrame& f, const std::vector<MohrPoint>& points) const
{
    QPainterPath path;
    for (size_t k = 0; k < points.size(); ++k) {
        const QPointF at = At(f, points[k].sigma, points[k].tau);
        if (k == 0) {
            path.moveTo(at);
        } else {
            path.lineTo(at);
        }
    }
    return path;
}

void ExplorerMohr::Paint(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.fillRect(target, Qt::white);
    const MohrFrame f = FrameFor(target);
    const AnalysisState& state = State();
    const PrincipalResult& p = state.principal;
    const double pressure = state.porePressure;
    const double s[3] = {p.s1 - pressure, p.s2 - pressure, p.s3 - pressure};

    // Every plane's point lies inside the largest circle and outside the two
    // smaller ones.
    QPainterPath region = PathOf(f, PlaneRegion(s[0], s[1], s[2]));
    region.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColourOf(palette::kPlaneRegion));
    painter.drawPath(region);

    // Axes: sigma' along the bottom, tau up from sigma' = 0.
    painter.setPen(QPen(Qt::black, Line(target, 1.2)));
    painter.drawLine(At(f, f.sigmaLow, 0), At(f, f.sigmaHigh, 0));
    painter.drawLine(At(f, 0, 0), At(f, 0, f.tauHigh));
    painter.setFont(TextFont(target, 12));
    painter.drawText(QRectF(f.plot.Right() - Unit(target, 60), f.plot.Bottom() + Unit(target, 16),
                            Unit(target, 60), Unit(target, 18)),
                     Qt::AlignRight, QString::fromUtf8("σn'"));
    painter.drawText(At(f, 0, f.tauHigh) + QPointF(Unit(target, 4), Unit(target, 12)),
                     QString::fromUtf8("τ"));

    const Rgb colours[3] = {palette::kCircleS1S2, palette::kCircleS1S3, palette::kCircleS2S3Projected};
    const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    painter.setBrush(Qt::NoBrush);
    for (int c = 0; c < 3; ++c) {
        painter.setPen(QPen(ColourOf(colours[c]), Line(target, 1.6)));
        painter.drawPath(PathOf(f, UpperHalfCircle(s[pairs[c][0]], s[pairs[c][1]])));
    }
    // s1, s2, s3 on the sigma axis, staggered when they crowd.
    painter.setPen(QPen(Qt::black, Line(target, 1)));
    double lastX = -1e300;
    for (int k = 2; k >= 0; --k) {
        const QPointF at = At(f, s[k], 0);
        const double drop = at.x() - lastX < Unit(target, 22) ? Unit(target, 30) : Unit(target, 15);
        painter.drawLine(at, at + QPointF(0, Unit(target, 4)));
        painter.drawText(QRectF(at.x() - Unit(target, 20), at.y() + drop - Unit(target, 12), Unit(target, 40),
                                Unit(target, 16)),
                         Qt::AlignHCenter, QString("s%1").arg(k + 1));
        lastX = at.x();
    }

    // The Mohr-Coulomb envelope for sigma' >= 0, within the plot.
    const MohrSegment envelope = EnvelopeSegment(state.joint.phi, state.joint.c, f.sigmaHigh, f.tauHigh);
    if (envelope.present) {
        painter.save();
        painter.setClipRect(QRectF(f.plot.left, f.plot.top, f.plot.width, f.plot.height));
        painter.setPen(QPen(ColourOf(palette::kEnvelope), Line(target, 1.8)));
        painter.drawLine(At(f, envelope.from.sigma, envelope.from.tau),
                         At(f, envelope.to.sigma, envelope.to.tau));
        painter.restore();
    }

    // The joint.
    const QColor handle = ColourOf(palette::kJointHandle);
    const QPointF joint = JointPointAt(target);
    const double radius = Unit(target, 6);
    painter.setPen(QPen(Qt::black, Line(target, 1.0)));
    painter.setBrush(handle);
    painter.drawEllipse(joint, radius, radius);
    painter.setPen(handle.darker(130));
    painter.drawText(joint + QPointF(radius * 1.4, -radius * 1.2), "joint");
    painter.restore();
}

}  // namespace tensorium
