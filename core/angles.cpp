#include "core/angles.h"

#include <algorithm>
#include <cmath>

namespace tensorium {
namespace {

// How far from a whole multiple of 90 degrees an angle may be and still
// count as one: the trip through radians and back leaves a few eps of the
// angle, so 1e-9 degrees holds every angle up to kQuarterSlackScale degrees
// (where a few eps are 7e-10), and the slack grows with the angle beyond.
constexpr double kQuarterSlackDegrees = 1e-9;
constexpr double kQuarterSlackScale = 1e6;

}  // namespace

double DegToRad(double degrees) { return degrees * kPi / 180.0; }

double RadToDeg(double radians) { return radians * 180.0 / kPi; }

SinCos SinCosOfTyped(double radians)
{
    const double degrees = RadToDeg(radians);
    const double offQuarter = std::remainder(degrees, 90.0);  // exact
    if (std::fabs(offQuarter) <=
        kQuarterSlackDegrees * std::max(1.0, std::fabs(degrees) / kQuarterSlackScale)) {
        const long long quarter = std::llround((degrees - offQuarter) / 90.0);
        switch (((quarter % 4) + 4) % 4) {
            case 0: return {0.0, 1.0};
            case 1: return {1.0, 0.0};
            case 2: return {0.0, -1.0};
            default: return {-1.0, 0.0};
        }
    }
    return {std::sin(radians), std::cos(radians)};
}

Vec3 PointingDown(const Vec3& direction) { return direction[2] > 0 ? Scaled(direction, -1.0) : direction; }

Orientation OrientationOfDownward(const Vec3& down, AzimuthConvention convention)
{
    // The horizontal part decides both angles. Taking the dip from atan2 keeps
    // nearly vertical axes exact (an arcsine of N rounds 89.92 degrees to 90).
    const double horizontal = std::hypot(down[0], down[1]);
    Orientation result;
    result.dip = std::atan2(std::fabs(down[2]), horizontal);

    // Polar angle of (L, M) counterclockwise from +x, in (-pi/2, 3*pi/2].
    // A direction with no horizontal part left beyond rounding is vertical.
    double alpha;
    if (horizontal <= kVerticalResidue) {
        result.dip = kPi / 2;
        alpha = 3 * kPi / 2;
    } else {
        alpha = std::atan2(down[1], down[0]);
        if (alpha <= -kPi / 2) alpha += 2 * kPi;
    }

    double azimuth = convention == AzimuthConvention::azCounterclockwiseFromEast ? alpha : kPi / 2 - alpha;
    if (azimuth < 0) azimuth += 2 * kPi;
    // A residue just below 0 would otherwise round to exactly 2*pi.
    if (azimuth >= 2 * kPi) azimuth -= 2 * kPi;
    result.azimuth = azimuth;
    return result;
}

}  // namespace tensorium
