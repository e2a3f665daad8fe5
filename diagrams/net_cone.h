// A cone of directions round an axis (the 95 % confidence region of a
// stress axis found from fault slips) on the lower-hemisphere net: its
// outline, in pieces where it crosses the horizon and comes back on the
// other side of the net.
#pragma once

#include <vector>

#include "diagrams/contour.h"
#include "diagrams/net_projection.h"

namespace tensorium {

// The directions `radiusDegrees` (0 to 90) from the line `axis` (a unit
// vector, either end), `samples` of them round the cone, each turned down
// and projected; a new piece begins wherever the outline crosses the
// horizon.
std::vector<NetLine> ConeOutline(const Vec3& axis, double radiusDegrees, int samples = 180);

}  // namespace tensorium
