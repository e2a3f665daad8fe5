#include "app/explorer/colour_map.h"

#include <algorithm>
#include <cmath>

namespace tensorium {

QColor MapColour(double t) { return QColor(MapRgb(t)); }

QRgb MapRgb(double t)
{
    // Nine stops of the viridis map, interpolated linearly.
    static const int stops[9][3] = {{68, 1, 84},    {71, 44, 122},  {59, 81, 139},
                                    {44, 113, 142}, {33, 144, 141}, {39, 173, 129},
                                    {92, 200, 99},  {170, 220, 50}, {253, 231, 37}};
    const double x = std::clamp(std::isfinite(t) ? t : 0.0, 0.0, 1.0) * 8;
    const int i = std::min(7, static_cast<int>(x));
    const double f = x - i;
    // Every value lies between two stops, at or above 0: rounded half up
    // inline, as a library call for each of thousands of planes costs more
    // than the rest of their colour.
    auto mix = [&](int c) {
        return static_cast<int>(stops[i][c] + f * (stops[i + 1][c] - stops[i][c]) + 0.5);
    };
    return qRgb(mix(0), mix(1), mix(2));
}

double Closeness(FieldKind kind, const ValueRange& range, double value)
{
    const double t = std::clamp((value - range.low) / (range.high - range.low), 0.0, 1.0);
    return FailsHigh(kind) ? t : 1 - t;
}

QColor OpenedColour() { return QColor(196, 196, 196); }

}  // namespace tensorium
