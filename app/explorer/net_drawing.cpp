#include "app/explorer/net_drawing.h"

#include <cmath>

#include "core/angles.h"

namespace tensorium {

QPainterPath GreatCircle(const QRectF& target, const Vec3& pole,
                         QPointF (*toTarget)(const QRectF&, const NetPoint&))
{
    // u along the strike (horizontal), v down the dip; the arc runs from u
    // to -u through v, all below the horizon.
    const Vec3 p = Scaled(pole, 1.0 / Norm(pole));
    Vec3 u = Cross(p, {0, 0, 1});
    if (Norm(u) < 1e-12) u = {1, 0, 0};  // a vertical pole: the primitive circle
    u = Scaled(u, 1.0 / Norm(u));
    Vec3 v = Cross(p, u);
    if (v[2] > 0) v = Scaled(v, -1.0);
    const bool horizontalPlane = Norm(Cross(p, {0, 0, 1})) < 1e-12;
    const int steps = horizontalPlane ? 360 : 180;
    const double end = horizontalPlane ? 2 * kPi : kPi;
    QPainterPath path;
    for (int k = 0; k <= steps; ++k) {
        const double t = end * k / steps;
        const Vec3 d{std::cos(t) * u[0] + std::sin(t) * v[0], std::cos(t) * u[1] + std::sin(t) * v[1],
                     horizontalPlane ? 0.0 : std::cos(t) * u[2] + std::sin(t) * v[2]};
        const QPointF at = toTarget(target, ProjectDownward(d));
        if (k == 0) {
            path.moveTo(at);
        } else {
            path.lineTo(at);
        }
    }
    return path;
}

QPainterPath Cross(const QPointF& at, double half)
{
    QPainterPath path;
    path.moveTo(at + QPointF(-half, -half));
    path.lineTo(at + QPointF(half, half));
    path.moveTo(at + QPointF(-half, half));
    path.lineTo(at + QPointF(half, -half));
    return path;
}

}  // namespace tensorium
