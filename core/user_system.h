// The user coordinate system x', y', z' given by three angles.
#pragma once

#include <array>

#include "core/stress_state.h"

namespace tensorium {

struct UserSystem {
    double beta = 0, psi = 0, theta = 0;  // radians
    Mat3 rotation{};                      // rows: x', y', z' in global components
    std::array<double, 3> axisAzimuth{};  // downward end, radians, clockwise from North
    std::array<double, 3> axisDip{};      // downward end, radians below the horizontal
    StressState stress;                   // sx', sy', sz', txy', tyz', tzx'
};

}  // namespace tensorium
