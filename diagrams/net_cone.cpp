#include "diagrams/net_cone.h"

#include <cmath>

#include "core/angles.h"

namespace tensorium {

std::vector<NetLine> ConeOutline(const Vec3& axis, double radiusDegrees, int samples)
{
    const Vec3 a = PointingDown(Scaled(axis, 1 / Norm(axis)));
    // Two unit vectors across the axis, the first the steepest way down, so
    // that the outline starts at its lowest point, below the horizon: where
    // it crosses the horizon lies between its ends.
    Vec3 u = Difference(Vec3{0, 0, -1}, Scaled(a, -a[2]));
    if (Norm(u) < 1e-9) u = Cross(a, Vec3{1, 0, 0});  // a vertical axis: any way
    u = Scaled(u, 1 / Norm(u));
    const Vec3 w = Cross(a, u);
    const double rho = DegToRad(radiusDegrees);
    std::vector<NetLine> lines(1);
    bool lastBelow = true;
    for (int k = 0; k <= samples; ++k) {
        const double phi = 2 * kPi * k / samples;
        const Vec3 v = Sum(Scaled(a, std::cos(rho)), Sum(Scaled(u, std::sin(rho) * std::cos(phi)),
                                                         Scaled(w, std::sin(rho) * std::sin(phi))));
        const bool below = v[2] <= 0;
        if (k > 0 && below != lastBelow && !lines.back().empty()) lines.emplace_back();
        lastBelow = below;
        lines.back().push_back(ProjectDownward(v));
    }
    // The outline is closed: its last piece, back below the horizon,
    // continues its first.
    if (lines.size() > 1 && lastBelow) {
        NetLine& last = lines.back();
        last.insert(last.end(), lines.front().begin() + 1, lines.front().end());
        lines.erase(lines.begin());
    }
    return lines;
}

}  // namespace tensorium
