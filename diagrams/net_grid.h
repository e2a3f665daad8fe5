// A square grid of values over the net (x East, y North, the primitive circle
// of radius 1), as the stability fields and the pole density sample it.
#pragma once

#include <cstddef>
#include <vector>

namespace tensorium {

// The grid's nodes run from -Extent() to +Extent() on both axes, one and a
// half spacings beyond the primitive circle, so that every square of four
// nodes that the circle touches has a value at each corner.
struct NetGrid {
    int size = 0;                // nodes along each side
    std::vector<double> values;  // row-major from North-West; NaN where there is none

    double Spacing() const { return 2 * Extent() / (size - 1); }
    double Extent() const { return (size - 1.0) / (size - 4.0); }
    // The node of column i, row j on the net (x East, y North).
    double X(int i) const { return -Extent() + i * Spacing(); }
    double Y(int j) const { return Extent() - j * Spacing(); }
    // How far outside the primitive circle nodes still hold a value (that of
    // the point on the circle): one and a half spacings.
    double Margin() const { return 1.5 * Spacing(); }
    double At(int i, int j) const { return values[Index(i, j)]; }
    std::size_t Index(int i, int j) const { return static_cast<std::size_t>(j) * size + i; }
};

}  // namespace tensorium
