// Angle conventions: degrees on screen, radians inside; azimuth conventions
// of the "Angles" menu; azimuth and dip of a downward direction.
#pragma once

#include "core/stress_state.h"

namespace tensorium {

// How principal azimuths are shown. The stored values match the menu order.
enum class AzimuthConvention : int {
    azCounterclockwiseFromEast = 0,  // polar angle from +x towards +y
    azClockwiseFromNorth = 1,        // from +y towards +x (the default)
};

inline constexpr double kPi = 3.14159265358979323846;

double DegToRad(double degrees);  // degrees * pi, then / 180
double RadToDeg(double radians);  // radians * 180, then / pi

// Sine and cosine of an angle in radians that was typed in degrees: whole
// multiples of 90 degrees come out exact (cos 90 is 0, not 6e-17), so that a
// horizontal or vertical direction stays exactly so.
struct SinCos {
    double sin, cos;
};
SinCos SinCosOfTyped(double radians);

struct Orientation {
    double azimuth = 0;  // radians in [0, 2*pi)
    double dip = 0;      // radians below the horizontal, [0, pi/2]
};

// A unit vector whose horizontal part is at most this is vertical: a vertical
// axis or normal computed from rounded sines keeps a horizontal residue of a
// few eps (below 1e-15), and 1e-12 radians off the vertical is far below the
// 0.01 degree that an angle shows.
inline constexpr double kVerticalResidue = 1e-12;

// Turns `direction` (a unit vector) to point down (N <= 0; a horizontal one
// keeps its sense).
Vec3 PointingDown(const Vec3& direction);

// Azimuth and dip of a unit vector that already points down. A vertical
// direction counts as pointing to negative y (azimuth 180 clockwise from North).
Orientation OrientationOfDownward(const Vec3& down, AzimuthConvention convention);

}  // namespace tensorium
