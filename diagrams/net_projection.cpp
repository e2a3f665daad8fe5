#include "diagrams/net_projection.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"

namespace tensorium {

NetPoint ProjectDownward(const Vec3& direction)
{
    const double horizontal = std::hypot(direction[0], direction[1]);
    if (horizontal == 0) return {};
    // sqrt(1 - |N| / length), written as h / sqrt(length (length + |N|)) so
    // that it keeps its digits near the vertical.
    const double down = std::fabs(direction[2]);
    const double length = std::hypot(horizontal, down);
    const double radius = horizontal / std::sqrt(length * (length + down));
    const double sense = direction[2] > 0 ? -1.0 : 1.0;
    return {sense * radius * direction[0] / horizontal, sense * radius * direction[1] / horizontal};
}

Vec3 DownwardAt(const NetPoint& point)
{
    const double radius = std::min(1.0, std::hypot(point.x, point.y));
    if (radius == 0) return {0, 0, -1};
    const double r2 = radius * radius;
    // |N| = 1 - r^2, horizontal part r sqrt(2 - r^2).
    const double horizontal = radius * std::sqrt(2 - r2);
    const double scale = horizontal / std::hypot(point.x, point.y);
    return {point.x * scale, point.y * scale, -(1 - r2)};
}

Vec3 PoleOf(const PlaneAttitude& plane)
{
    const auto [sa, ca] = SinCosOfTyped(plane.dipDirection);
    const auto [sd, cd] = SinCosOfTyped(plane.dip);
    return {-sa * sd, -ca * sd, -cd};
}

PlaneAttitude PlaneOfPole(const Vec3& pole, double keepDipDirection)
{
    const Vec3 down = pole[2] > 0 ? Scaled(pole, -1.0) : pole;
    const double horizontal = std::hypot(down[0], down[1]);
    PlaneAttitude plane;
    plane.dip = std::atan2(horizontal, std::fabs(down[2]));
    if (horizontal == 0) {
        plane.dipDirection = keepDipDirection;
        return plane;
    }
    // The dip direction is opposite to the pole's trend.
    double azimuth = std::atan2(-down[0], -down[1]);
    if (azimuth < 0) azimuth += 2 * kPi;
    if (azimuth >= 2 * kPi) azimuth = 0;
    plane.dipDirection = azimuth;
    return plane;
}

}  // namespace tensorium
