#include "core/plane_traction.h"

#include <cfloat>
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
    // The shear from the deviator S = T - sigma_m I alone: the mean stress
    // pushes only along n. T n - sigma n would cancel the mean away and lose
    // as many digits as the deviator is small beside it; S n - (n.S n) n
    // keeps them, and is exactly 0 for a hydrostatic state.
    const StressState deviator = DeviatorOf(scaled.stress);
    const Vec3 deviatoric = MatVec(ToMatrix(deviator), n);
    Vec3 shear = Difference(deviatoric, Scaled(n, Dot(n, deviatoric)));
    double tau = Norm(shear);
    if (tau <= kShearNoise * DBL_EPSILON * LargestMagnitude(deviator)) {
        shear = {0, 0, 0};  // a principal plane: what is left is rounding
        tau = 0;
    }
    const int e = scaled.exponent;
    PlaneTraction on{TimesPowerOfTwo(traction, e), std::ldexp(sigma, e), TimesPowerOfTwo(shear, e),
                     std::ldexp(tau, e), std::nullopt};
    if (tau > 0) on.shearDirection = Scaled(shear, 1 / tau);
    return on;
}

}  // namespace tensorium
