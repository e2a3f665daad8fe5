// The three Mohr circles of the principal stresses.
#pragma once

#include "diagrams/series_sink.h"

namespace tensorium {

struct MohrSeries {
    SeriesSink* s1s2 = nullptr;  // red
    SeriesSink* s1s3 = nullptr;  // black
    SeriesSink* s2s3 = nullptr;  // lime
};

// Empties and refills the three circles: 91 points each in 4 degree steps,
// from (si, 0) counterclockwise through the upper half and back to (si, 0).
// The points carry no colour of their own.
void DrawMohrCircles(const MohrSeries& series, double s1, double s2, double s3);

}  // namespace tensorium
