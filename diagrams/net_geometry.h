// The lower-hemisphere equal-area net as points, computed once for every
// window: the primitive circle, the arc of a plane and its pole. x East,
// y North, the primitive circle of radius 1.
#pragma once

#include <vector>

#include "core/stress_state.h"
#include "diagrams/net_projection.h"

namespace tensorium {

// Radius on the net of a line whose squared horizontal component on the unit
// sphere is q: 1 for a horizontal line, 0 for a vertical one.
double EqualAreaRadius(double q);

// The primitive circle: 91 points, 4 degrees apart, closed.
std::vector<NetPoint> PrimitiveCircle();

// A plane's arc (181 points) and its pole.
struct NetPlane {
    std::vector<NetPoint> arc;
    NetPoint pole;
};

// The plane with upward normal (l, m, n), its arc over chart angles
// start..end (radians, counterclockwise from East), and its pole; A is the
// normal's azimuth (radians, clockwise from North).
NetPlane PlaneOnNet(double A, double l, double m, double n, double start, double end);

// The plane whose upward normal has azimuth A and angle B from the vertical
// (its dip direction and dip, radians), its arc from one end of its strike
// to the other.
NetPlane PlaneOnNet(double A, double B);

// The plane normal to `line` (either sense, not zero).
NetPlane PlaneNormalTo(const Vec3& line);

}  // namespace tensorium
