// The three Mohr circles of the principal stresses.
#pragma once

#include "diagrams/series_sink.h"

namespace tensorium {

struct MohrSeries {
    SeriesSink* s1s2 = nullptr;  // red
    SeriesSink* s1s3 = nullptr;  // black
    SeriesSink* s2s3 = nullptr;  // lime
    // Where a circle has shrunk to a point, that point, so that the diagram
    // still shows it; one sink per circle, each may be left out.
    SeriesSink* s1s2Point = nullptr;
    SeriesSink* s1s3Point = nullptr;
    SeriesSink* s2s3Point = nullptr;
};

// A circle counts as a point when its diameter is at most this part of the
// largest circle's, far below a pixel of any plot that holds the largest.
constexpr double kCollapsedCircleFraction = 1e-3;

// Empties and refills the three circles: 91 points each in 4 degree steps,
// from (si, 0) counterclockwise through the upper half and back to (si, 0).
// The points carry no colour of their own. Each point sink gets the centre
// (si, 0) of its circle when that circle has collapsed, and is emptied otherwise.
void DrawMohrCircles(const MohrSeries& series, double s1, double s2, double s3);

}  // namespace tensorium
