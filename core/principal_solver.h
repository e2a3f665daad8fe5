// Principal stresses and principal axes of a stress state.
#pragma once

#include <array>

#include "core/angles.h"
#include "core/stress_state.h"

namespace tensorium {

struct PrincipalAxis {
    Vec3 cosines{};      // unit direction (L, M, N) as shown; axis 1 set right-handed
    Vec3 downCosines{};  // the same axis pointing down (N <= 0)
    double azimuth = 0;  // of downCosines, radians in [0, 2*pi], under the convention
    double dip = 0;      // of downCosines, radians in [0, pi/2]
};

struct PrincipalResult {
    double s1 = 0, s2 = 0, s3 = 0;  // s1 >= s2 >= s3
    std::array<PrincipalAxis, 3> axes{};
};

// Eigenvalues in descending order with orthonormal eigenvectors (no sense
// chosen yet). Exact for diagonal tensors; scale-free otherwise.
struct EigenSystem {
    std::array<double, 3> values{};
    std::array<Vec3, 3> vectors{};
};
EigenSystem SolveSymmetricEigen(const StressState& stress);

// Solves `stress` and orients its axes: each axis gets the sense whose first
// clear component in the order N, L, M is positive for s1, negative for s2
// and positive for s3; then axis 1 is reversed where needed so that the
// displayed set is right-handed (its azimuth and dip keep the sense before).
// Throws TensorError "Floating point overflow" when a principal stress
// exceeds the double range.
PrincipalResult ComputePrincipalStresses(const StressState& stress, AzimuthConvention convention);

}  // namespace tensorium
