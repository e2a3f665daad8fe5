// The lower-hemisphere equal-area projection of the explorer's net, and the
// pole of a plane: x East, y North, the primitive circle of radius 1.
#pragma once

#include "core/stress_state.h"

namespace tensorium {

struct NetPoint {
    double x = 0, y = 0;
};

// A downward unit vector (N <= 0; an upward one is turned down) on the net:
// radius sqrt(1 - |N|), 0 for vertical, 1 for horizontal.
NetPoint ProjectDownward(const Vec3& direction);

// The downward unit vector at a point of the net; a point outside the
// primitive circle is taken on it (horizontal).
Vec3 DownwardAt(const NetPoint& point);

// A plane by its dip direction (azimuth of the steepest descent, clockwise
// from North) and dip, both in radians.
struct PlaneAttitude {
    double dipDirection = 0, dip = 0;
};

// The pole: the plane's downward unit normal (trend dip direction + 180
// degrees, plunge 90 degrees - dip).
Vec3 PoleOf(const PlaneAttitude& plane);

// The plane whose pole is `pole` (pointing down; an upward one is turned).
// A vertical pole (a horizontal plane) has no dip direction: `keep` is given.
// The dip direction is in [0, 2 pi), the dip in [0, pi/2].
PlaneAttitude PlaneOfPole(const Vec3& pole, double keepDipDirection);

}  // namespace tensorium
