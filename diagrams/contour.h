// Regions and contour lines of a field sampled on a square grid over the
// net, by marching squares with edges interpolated linearly between nodes.
#pragma once

#include <vector>

#include "diagrams/net_grid.h"
#include "diagrams/net_projection.h"

namespace tensorium {

// A closed polygon on the net: its last point joins its first.
using NetRing = std::vector<NetPoint>;
// An open line on the net.
using NetLine = std::vector<NetPoint>;

// The rings bounding where the grid's values, interpolated linearly along
// the squares' edges, are at least `level`; a node without a value, and
// everything beyond the grid, counts as below. The rings never cross; the
// region lies on the left of each (counterclockwise outer rings, clockwise
// holes), so they fill with either fill rule. Where a square's corners
// alternate (a saddle), the mean of its corners decides whether the two
// corners at or above the level are joined through the centre.
// A ring closing round nodes without a value crosses halfway between the
// last node with a value and the first without.
std::vector<NetRing> RegionAtOrAbove(const NetGrid& grid, double level);

// The pieces of the closed `ring` inside the primitive circle (radius 1),
// each in the ring's order; a ring wholly inside comes back as one line
// that ends where it starts.
std::vector<NetLine> ClipToDisk(const NetRing& ring);

// The signed area of a ring: positive when counterclockwise (x East, y North).
double RingArea(const NetRing& ring);

}  // namespace tensorium
