#include "diagrams/mohr.h"

#include <cmath>

#include "core/angles.h"

namespace tensorium {

void DrawMohrCircles(const MohrSeries& series, double s1, double s2, double s3)
{
    series.s1s3->Clear();
    series.s2s3->Clear();
    series.s1s2->Clear();
    auto point = [](double a, double si, double sj) {
        return std::pair<double, double>{std::cos(a) * ((si - sj) * 0.5) + (si + sj) * 0.5,
                                         std::sin(a) * ((si - sj) * 0.5)};
    };
    for (int k = 0; k <= 90; ++k) {
        const double a = k * kPi / 45;
        const auto p13 = point(a, s1, s3), p23 = point(a, s2, s3), p12 = point(a, s1, s2);
        series.s1s3->Add(p13.first, p13.second, {}, std::nullopt);
        series.s2s3->Add(p23.first, p23.second, {}, std::nullopt);
        series.s1s2->Add(p12.first, p12.second, {}, std::nullopt);
    }
}

}  // namespace tensorium
