#include "core/joint.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/tensor_error.h"

namespace tensorium {

Vec3 JointNormal(const JointPlane& plane)
{
    const auto [sa, ca] = SinCosOfTyped(plane.azimuth);
    const auto [sd, cd] = SinCosOfTyped(plane.dip);
    return {sa * sd, ca * sd, cd};
}

PlaneStresses StressesOnPlane(const Vec3& n, const StressState& stress)
{
    // Work on the tensor scaled by a power of two (exact) so that no product
    // can overflow; the traction t = T n and sigma = n.t come straight from
    // the typed components, so a plane on which they cancel exactly (a zero
    // normal stress) gets exactly 0.
    const double largest = LargestMagnitude(stress);
    const int exponent = largest > 0 ? std::ilogb(largest) : 0;
    Mat3 t = ToMatrix(stress);
    for (Vec3& row : t)
        for (double& x : row) x = std::ldexp(x, -exponent);
    const Vec3 traction{Dot(t[0], n), Dot(t[1], n), Dot(t[2], n)};
    const double sigma = Dot(n, traction);
    const Vec3 shear{traction[0] - sigma * n[0], traction[1] - sigma * n[1], traction[2] - sigma * n[2]};
    return {std::ldexp(sigma, exponent), std::ldexp(Norm(shear), exponent)};
}

JointResult ComputeJointStresses(const JointPlane& plane, const StressState& stress)
{
    const PlaneStresses on = StressesOnPlane(JointNormal(plane), stress);
    JointResult result;
    result.sigma = on.sigma;
    result.tau = on.tau;
    result.tlim = std::tan(kPi * plane.phi / 180) * result.sigma + plane.c;
    if (result.sigma < 0) result.tlim = 0;
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
