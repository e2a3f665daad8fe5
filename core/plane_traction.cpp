#include "core/plane_traction.h"

#include <cmath>

#include "core/power_scaling.h"

namespace tensorium {

PlaneTraction TractionOnPlane(const Vec3& n, const StressState& stress)
{
    // The traction and sigma come straight from the typed components, so a
    // plane on which they cancel exactly (a zero normal stress) gets exactly 0.
    const UnitScaled scaled = ScaledToUnit(stress);
    const Vec3 traction = MatVec(ToMatrix(scaled.stress), n);
    const double sigma = Dot(n, traction);
    const Vec3 shear = Difference(traction, Scaled(n, sigma));
    const double tau = Norm(shear);
    const int e = scaled.exponent;
    PlaneTraction on{TimesPowerOfTwo(traction, e), std::ldexp(sigma, e), TimesPowerOfTwo(shear, e),
                     std::ldexp(tau, e), std::nullopt};
    if (tau > 0) on.shearDirection = Scaled(shear, 1 / tau);
    return on;
}

}  // namespace tensorium
