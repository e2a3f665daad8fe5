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

JointResult ComputeJointStresses(const JointPlane& plane, const PrincipalResult& principal)
{
    const Vec3 n = JointNormal(plane);
    double c[3];
    for (int k = 0; k < 3; ++k) c[k] = Dot(principal.axes[k].downCosines, n);
    const double c1 = c[0] * c[0], c2 = c[1] * c[1], c3 = c[2] * c[2];

    // Work on stresses scaled by a power of two so the squares cannot overflow.
    const double largest = std::max({std::fabs(principal.s1), std::fabs(principal.s2),
                                     std::fabs(principal.s3)});
    const int exponent = largest > 0 ? std::ilogb(largest) : 0;
    const double s1 = std::ldexp(principal.s1, -exponent), s2 = std::ldexp(principal.s2, -exponent),
                 s3 = std::ldexp(principal.s3, -exponent);

    JointResult result;
    result.sigma = std::ldexp(s1 * c1 + s2 * c2 + s3 * c3, exponent);
    const double d12 = s2 - s1, d23 = s3 - s2, d31 = s3 - s1;
    result.tau = std::ldexp(std::sqrt(d12 * d12 * c1 * c2 + d23 * d23 * c2 * c3 + d31 * d31 * c3 * c1),
                            exponent);
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
