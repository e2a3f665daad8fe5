// Contour lines of a field sampled on a square grid over the net, by
// marching squares; and the range a colour map spans over such a field.
#pragma once

#include <vector>

#include "diagrams/net_projection.h"
#include "diagrams/stability_field.h"

namespace tensorium {

struct NetSegment {
    NetPoint from, to;
};

// The pieces of the line where `field` equals `level`, between the centres
// of the cells; a square with a corner without a value has none. Where a
// square's corners alternate (a saddle), its value at the centre decides
// which corners the lines go round.
std::vector<NetSegment> ContourSegments(const StabilityField& field, double level);

// The values a colour map spans: all but the two per cent at each end of the
// finite values, since near tau = 0 or sigma' = 0 the quotients grow
// without bound and would flatten the rest. A range of width one starting at
// `low` when the values are all equal; [0, 1] without values.
struct ValueRange {
    double low = 0, high = 1;
};
ValueRange ColourRange(const StabilityField& field);

}  // namespace tensorium
