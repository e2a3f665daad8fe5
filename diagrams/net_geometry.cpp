#include "diagrams/net_geometry.h"

#include <cmath>

#include "core/angles.h"

namespace tensorium {
namespace {

// The primitive circle's step: 4 degrees, 91 points round the circle.
constexpr double kPrimitiveStep = 0.06981317;
constexpr int kPrimitivePoints = 91;
// The arc divides by the normal's vertical component; a vertical plane's is
// taken as this, which draws it as the diameter along its strike.
constexpr double kVerticalPlaneN = 1e-5;
constexpr int kArcSegments = 180;

}  // namespace

double EqualAreaRadius(double q)
{
    const double depth = 1 - std::sqrt(1 - q);
    return std::sqrt((q + depth * depth) / 2);
}

std::vector<NetPoint> PrimitiveCircle()
{
    std::vector<NetPoint> points;
    points.reserve(kPrimitivePoints);
    for (int i = 0; i < kPrimitivePoints; ++i)
        points.push_back({std::cos(i * kPrimitiveStep), std::sin(i * kPrimitiveStep)});
    return points;
}

NetPlane PlaneOnNet(double A, double l, double m, double n, double start, double end)
{
    if (std::fabs(n) < kVerticalPlaneN) n = kVerticalPlaneN;
    NetPlane plane;
    plane.arc.reserve(kArcSegments + 1);
    for (int k = 0; k <= kArcSegments; ++k) {
        const double t = start + k * (end - start) / kArcSegments;
        const double c = std::cos(t), s = std::sin(t);
        double q = 1 / ((l / n) * (l / n) * c * c + (m / n) * (m / n) * s * s +
                        std::sin(2 * t) * (l * m) / (n * n) + 1);
        if (q > 1) q = 1;
        const double rho = EqualAreaRadius(q);
        plane.arc.push_back({rho * c, rho * s});
    }
    const double tp = 3 * kPi / 2 - A;
    double qp = 1 - n * n;
    if (qp > 1) qp = 1;
    const double rhop = EqualAreaRadius(qp);
    plane.pole = {rhop * std::cos(tp), rhop * std::sin(tp)};
    return plane;
}

NetPlane PlaneOnNet(double A, double B)
{
    const double l = std::sin(B) * std::sin(A);
    const double m = std::sin(B) * std::cos(A);
    const double n = std::cos(B);
    return PlaneOnNet(A, l, m, n, kPi / 2 - (A - kPi / 2), kPi / 2 - (kPi / 2 + A));
}

NetPlane PlaneNormalTo(const Vec3& line)
{
    const Vec3 up = line[2] < 0 ? Scaled(line, -1.0) : line;
    const double horizontal = std::hypot(up[0], up[1]);
    return PlaneOnNet(std::atan2(up[0], up[1]), std::atan2(horizontal, up[2]));
}

}  // namespace tensorium
