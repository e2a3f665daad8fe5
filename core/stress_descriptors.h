// The numbers that describe a stress state beside its principal stresses:
// invariants, mean stress and deviator, von Mises and octahedral stresses,
// the greatest shear and the shape of the ellipsoid (R and the Lode
// parameter). Compression is positive.
#pragma once

#include <optional>

#include "core/principal_solver.h"
#include "core/stress_state.h"

namespace tensorium {

struct StressDescriptors {
    double i1 = 0, i2 = 0, i3 = 0;      // coefficients of sigma^3 - I1 sigma^2 + I2 sigma - I3 = 0
    double mean = 0;                    // sigma_m = I1 / 3, also the octahedral normal stress
    StressState deviator;               // T - sigma_m I
    double j2 = 0, j3 = 0;              // 1/2 tr(S^2) and det S of the deviator S
    double vonMises = 0;                // sqrt(3 J2)
    double octahedralShear = 0;         // sqrt(2 J2 / 3)
    double maxShear = 0;                // (s1 - s3) / 2
    std::optional<double> stressRatio;  // R = (s2 - s3) / (s1 - s3); none when all three are equal
    std::optional<double> lode;         // nu = (2 s2 - s1 - s3) / (s1 - s3); none when all three are equal
};

// Invariants and deviator come from the components (so they do not carry
// the solver's rounding); the greatest shear and the shape from `principal`.
StressDescriptors DescribeStress(const StressState& stress, const PrincipalResult& principal);

}  // namespace tensorium
