// The sum over a set of axes x_i of exp(k (|x_i . g| - 1)) at a direction g,
// visiting only the axes near g: the poles are filed by their place on the
// net, in square cells as wide as the angle beyond which a term falls below
// e^-40 of a pole's own (4e-18), and those terms are left out.
#pragma once

#include <cstddef>
#include <vector>

#include "core/stress_state.h"

namespace tensorium {

class PoleIndex {
public:
    PoleIndex(const std::vector<Vec3>& poles, double k);

    // The sum at the unit vector g (either sense).
    double Sum(Vec3 g) const;

private:
    double k_;
    // Terms with x . g below this are left out; none when it is not positive.
    double cut_;
    double reach_;  // the angle of the cut, radians: at least the distance on the net
    int cells_ = 1;
    double cellWidth_ = 2;
    // The axes, turned down, cell by cell (x, y, z apart); the cell c holds
    // entries first_[c] to first_[c + 1]. An axis close enough to the
    // horizontal to reach nodes across the primitive circle is filed a second
    // time, reversed, at the opposite point of the net.
    std::vector<double> x_, y_, z_;
    std::vector<std::size_t> first_;

    int Cell(double coordinate) const;
};

}  // namespace tensorium
