#include "core/joint.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/mohr_coulomb.h"
#include "core/plane_traction.h"
#include "core/tensor_error.h"

namespace tensorium {

Vec3 JointNormal(const JointPlane& plane)
{
    const auto [sa, ca] = SinCosOfTyped(plane.azimuth);
    const auto [sd, cd] = SinCosOfTyped(plane.dip);
    return {sa * sd, ca * sd, cd};
}

JointResult ComputeJointStresses(const JointPlane& plane, const StressState& stress)
{
    const PlaneTraction on = TractionOnPlane(JointNormal(plane), stress);
    JointResult result;
    result.sigma = on.sigma;
    result.tau = on.tau;
    result.tlim = MohrCoulombLimit(result.sigma, plane.phi, plane.c);
    RequireFinite(result.sigma);
    RequireFinite(result.tau);
    RequireFinite(result.tlim);
    return result;
}

std::optional<double> SafetyFactor(const JointResult& result)
{
    if (result.tau == 0) return std::nullopt;
    const double sf = result.tlim / result.tau;
    if (!std::isfinite(sf)) return std::nullopt;
    return sf;
}

}  // namespace tensorium
