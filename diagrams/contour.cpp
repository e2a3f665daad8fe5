#include "diagrams/contour.h"

#include <algorithm>
#include <cmath>

namespace tensorium {
namespace {

// The share of the sorted finite values left out at each end of the range.
constexpr double kTailFraction = 0.02;

double Quantile(std::vector<double> values, double q)
{
    const size_t k = std::min(values.size() - 1, static_cast<size_t>(q * (values.size() - 1)));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(k), values.end());
    return values[k];
}

NetPoint Between(const NetPoint& a, const NetPoint& b, double f)
{
    return {a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)};
}

}  // namespace

std::vector<NetSegment> ContourSegments(const StabilityField& field, double level)
{
    std::vector<NetSegment> segments;
    for (int j = 0; j + 1 < field.size; ++j) {
        for (int i = 0; i + 1 < field.size; ++i) {
            const double v[4] = {field.At(i, j), field.At(i + 1, j), field.At(i + 1, j + 1),
                                 field.At(i, j + 1)};
            if (!std::all_of(v, v + 4, [](double x) { return std::isfinite(x); })) continue;
            const NetPoint corner[4] = {{field.X(i), field.Y(j)},
                                        {field.X(i + 1), field.Y(j)},
                                        {field.X(i + 1), field.Y(j + 1)},
                                        {field.X(i), field.Y(j + 1)}};
            // Crossings on the edges e = corner e to corner e + 1, in order round the square.
            NetPoint crossing[4];
            int count = 0;
            for (int e = 0; e < 4; ++e) {
                const double a = v[e], c = v[(e + 1) % 4];
                if ((a < level) == (c < level)) continue;
                crossing[count++] = Between(corner[e], corner[(e + 1) % 4], (level - a) / (c - a));
            }
            if (count == 2) {
                segments.push_back({crossing[0], crossing[1]});
            } else if (count == 4) {
                // A saddle: the lines cut off the two corners on the other side
                // from the centre. Crossings 0 and 1 flank corner 1, 1 and 2
                // corner 2, and so on round the square.
                const bool centreBelow = (v[0] + v[1] + v[2] + v[3]) / 4 < level;
                const int shift = centreBelow == (v[0] < level) ? 0 : 1;
                segments.push_back({crossing[shift], crossing[shift + 1]});
                segments.push_back({crossing[shift + 2], crossing[(shift + 3) % 4]});
            }
        }
    }
    return segments;
}

ValueRange ColourRange(const StabilityField& field)
{
    std::vector<double> finite;
    for (double v : field.values)
        if (std::isfinite(v)) finite.push_back(v);
    if (finite.empty()) return {};
    ValueRange range{Quantile(finite, kTailFraction), Quantile(finite, 1 - kTailFraction)};
    if (!(range.high > range.low)) range.high = range.low + 1;
    return range;
}

}  // namespace tensorium
