// The two rotations whose product is the user system's rotation matrix,
// R = A(theta) B(beta, psi), each on its own so that the working can show
// how R is built.
#pragma once

#include "core/stress_state.h"

namespace tensorium {

struct UserRotations {
    Mat3 b{};  // B(beta, psi): beta turns the horizontal axes, psi tilts z' towards azimuth beta
    Mat3 a{};  // A(theta): theta turns x' and y' about z'
};

// With the exact sines of whole quarter turns; BuildRotationMatrix takes
// its rotation as MatrixProduct(a, b).
UserRotations UserRotationsOf(double beta, double psi, double theta);

}  // namespace tensorium
