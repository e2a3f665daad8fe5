#include "diagrams/mohr.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"

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
    // Halved before they are added or subtracted: a sum or difference of two
    // stresses near the double range would overflow.
    // sigma is kept between the two stresses, its exact range: rounding can
    // carry cos(a) r + centre past the double range when si is near it.
    auto point = [](double a, double si, double sj) {
        const double radius = si * 0.5 - sj * 0.5, centre = si * 0.5 + sj * 0.5;
        const double sigma = std::clamp(std::cos(a) * radius + centre, std::min(si, sj), std::max(si, sj));
        return std::pair<double, double>{sigma, std::sin(a) * radius};
    };
    for (int k = 0; k <= 90; ++k) {
        const double a = k * kPi / 45;
        const auto p13 = point(a, s1, s3), p23 = point(a, s2, s3), p12 = point(a, s1, s2);
        series.s1s3->Add(p13.first, p13.second, {}, std::nullopt);
        series.s2s3->Add(p23.first, p23.second, {}, std::nullopt);
        series.s1s2->Add(p12.first, p12.second, {}, std::nullopt);
    }
    const double largest = s1 * 0.5 - s3 * 0.5;
    MarkCollapsed(series.s1s3Point, s1, s3, largest);
    MarkCollapsed(series.s1s2Point, s1, s2, largest);
    MarkCollapsed(series.s2s3Point, s2, s3, largest);
}

}  // namespace tensorium
