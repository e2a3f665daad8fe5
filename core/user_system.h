// The user coordinate system x', y', z' given by three angles, and the
// transformation of stresses into it and back.
#pragma once

#include <array>

#include "core/stress_state.h"

namespace tensorium {

struct UserAxes {
    Mat3 rotation{};                      // rows: x', y', z' in global components
    std::array<double, 3> axisAzimuth{};  // downward end, radians in [0, 2*pi), clockwise from North
    std::array<double, 3> axisDip{};      // downward end, radians below the horizontal, [0, pi/2]
};

struct UserSystem {
    double beta = 0, psi = 0, theta = 0;  // radians
    Mat3 rotation{};
    std::array<double, 3> axisAzimuth{};
    std::array<double, 3> axisDip{};
    StressState stress;  // sx', sy', sz', txy', tyz', tzx'
};

// The rotation R = A(theta) * B(beta, psi): beta turns the horizontal axes
// clockwise seen from above (y to azimuth beta), psi tilts z' by psi towards
// azimuth beta, theta turns x' and y' about z'. Angles in radians, any value.
UserAxes BuildRotationMatrix(double beta, double psi, double theta);

// S' = R T R^T; shears taken from below the diagonal. Throws TensorError
// "Floating point overflow" when a component exceeds the double range.
StressState TransformToUserSystem(const StressState& global, const Mat3& rotation);

// S = R^T T' R, the inverse of the above for the same R.
StressState TransformToGlobalSystem(const StressState& user, const Mat3& rotation);

}  // namespace tensorium
