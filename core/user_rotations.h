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

// The same formulas and the same exact sines of whole quarter turns as
// BuildRotationMatrix, so that MatrixProduct(a, b) is its rotation.
UserRotations UserRotationsOf(double beta, double psi, double theta);

Mat3 MatrixProduct(const Mat3& left, const Mat3& right);

}  // namespace tensorium
