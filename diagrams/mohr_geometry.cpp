#include "diagrams/mohr_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/mohr_coulomb.h"

namespace tensorium {
namespace {

// Room round the diagram, as parts of its span: a margin all round, and a
// head over the largest circle for the joint's label.
constexpr double kMarginFraction = 0.06;
constexpr double kHeadroomFactor = 1.15;
// The span of a diagram whose stresses are all zero: any positive width
// gives a frame; this one is far below every typed stress.
constexpr double kSmallestSpan = 1e-300;

void AppendArc(std::vector<MohrPoint>& points, double si, double sj, int segments)
{
    for (int k = 0; k <= segments; ++k) {
        const double a = kPi * k / segments;
        // From si to sj over the top, whichever is larger.
        const MohrPoint p = MohrCirclePoint(si >= sj ? a : -a, si, sj);
        points.push_back({p.sigma, std::fabs(p.tau)});
    }
}

}  // namespace

MohrPoint MohrCirclePoint(double a, double si, double sj)
{
    const double radius = si * 0.5 - sj * 0.5, centre = si * 0.5 + sj * 0.5;
    const double sigma = std::clamp(std::cos(a) * radius + centre, std::min(si, sj), std::max(si, sj));
    return {sigma, std::sin(a) * radius};
}

std::vector<MohrPoint> UpperHalfCircle(double si, double sj, int segments)
{
    std::vector<MohrPoint> points;
    points.reserve(static_cast<size_t>(segments) + 1);
    AppendArc(points, si, sj, segments);
    return points;
}

std::vector<MohrPoint> PlaneRegion(double s1, double s2, double s3, int segments)
{
    std::vector<MohrPoint> points;
    points.reserve(3 * (static_cast<size_t>(segments) + 1));
    AppendArc(points, s1, s3, segments);
    AppendArc(points, s3, s2, segments);
    AppendArc(points, s2, s1, segments);
    return points;
}

MohrSegment EnvelopeSegment(double phiDegrees, double c, double sigmaHigh, double tauHigh)
{
    const double tanPhi = FrictionCoefficient(phiDegrees);
    MohrSegment segment;
    if (!(sigmaHigh > 0) || !(c <= tauHigh)) return segment;
    double sigmaEnd = sigmaHigh;
    if (tanPhi > 0) sigmaEnd = std::min(sigmaEnd, (tauHigh - c) / tanPhi);
    if (!(sigmaEnd > 0)) return segment;
    segment.from = {0, c};
    segment.to = {sigmaEnd, c + tanPhi * sigmaEnd};
    segment.present = true;
    return segment;
}

MohrFrame FitMohrFrame(const PlotRect& room, double s1, double s3, double sigma, double tau)
{
    double low = std::min({s3, sigma, 0.0}), high = std::max({s1, sigma, 0.0});
    double tauHigh = std::max(s1 * 0.5 - s3 * 0.5, tau);
    const double span = std::max({high - low, tauHigh, kSmallestSpan});
    low -= kMarginFraction * span, high += kMarginFraction * span;
    tauHigh = kHeadroomFactor * tauHigh + kMarginFraction * span;
    MohrFrame f;
    f.pxPerUnit = std::min(room.width / (high - low), room.height / tauHigh);
    f.sigmaLow = low;
    f.sigmaHigh = high;
    f.tauHigh = tauHigh;
    const double width = (high - low) * f.pxPerUnit, height = tauHigh * f.pxPerUnit;
    f.plot = {room.left + room.width / 2 - width / 2, room.top + room.height / 2 - height / 2, width, height};
    return f;
}

}  // namespace tensorium
