// The two charts the window shows, set up as it will set them up: an
// equal-area net and the three Mohr circles.
#pragma once

#include <memory>

#include "chart/tchart.h"

namespace tensorium::testing_support {

struct MohrCircle {
    double centre;
    double radius;
};

// Primitive circle, two great circles with colours of their own per point,
// and labelled axis crosses.
std::unique_ptr<TChart> MakeEqualAreaNet();

// Series "Series1".."Series3": red, black and lime circles of 91 points.
std::unique_ptr<TChart> MakeMohrCircles(const MohrCircle (&circles)[3]);
std::unique_ptr<TChart> MakeMohrCircles();

}  // namespace tensorium::testing_support
