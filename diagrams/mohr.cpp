#include "diagrams/mohr.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "diagrams/mohr_geometry.h"

namespace tensorium {

namespace {

// Marks the circle through si and sj as a point when it has shrunk to one;
// radii, not diameters, are compared, as they cannot overflow.
void MarkCollapsed(SeriesSink* sink, double si, double sj, double largestRadius)
{
    if (!sink) return;
    sink->Clear();
    if (si * 0.5 - sj * 0.5 <= kCollapsedCircleFraction * largestRadius)
        sink->Add(si * 0.5 + sj * 0.5, 0.0, {}, std::nullopt);
}

}  // namespace

void DrawMohrCircles(const MohrSeries& series, double s1, double s2, double s3)
{
    series.s1s3->Clear();
    series.s2s3->Clear();
    series.s1s2->Clear();
    for (int k = 0; k <= 90; ++k) {
        const double a = k * kPi / 45;
        const MohrPoint p13 = MohrCirclePoint(a, s1, s3), p23 = MohrCirclePoint(a, s2, s3),
                        p12 = MohrCirclePoint(a, s1, s2);
        series.s1s3->Add(p13.sigma, p13.tau, {}, std::nullopt);
        series.s2s3->Add(p23.sigma, p23.tau, {}, std::nullopt);
        series.s1s2->Add(p12.sigma, p12.tau, {}, std::nullopt);
    }
    const double largest = s1 * 0.5 - s3 * 0.5;
    MarkCollapsed(series.s1s3Point, s1, s3, largest);
    MarkCollapsed(series.s1s2Point, s1, s2, largest);
    MarkCollapsed(series.s2s3Point, s2, s3, largest);
}

}  // namespace tensorium
