// The stresses on a plane with unit normal n (either sense) under the global
// tensor T: the traction t = T n, the normal stress sigma = n.t, the shear
// traction t - sigma n in the plane and its magnitude tau.
#pragma once

#include <optional>

#include "core/stress_state.h"

namespace tensorium {

struct PlaneTraction {
    Vec3 traction{};       // t = T n
    double sigma = 0;      // n.(T n)
    Vec3 shearTraction{};  // t - sigma n
    double tau = 0;        // |t - sigma n|, never negative
    // The unit vector along the shear traction; none when the plane carries
    // no shear. Taken before the scaling is undone, so that it is a unit
    // vector also where tau over- or underflows.
    std::optional<Vec3> shearDirection;
};

// Computed on the tensor scaled by a power of two (exact), so that no
// product overflows; the results are not finite beyond the double range.
PlaneTraction TractionOnPlane(const Vec3& n, const StressState& stress);

}  // namespace tensorium
