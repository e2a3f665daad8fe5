#include "core/joint_shear.h"

#include <cmath>

#include "core/angles.h"

namespace tensorium {

JointShear ShearOnJoint(const JointPlane& plane, const StressState& stress)
{
    JointShear s;
    s.normal = JointNormal(plane);
    const Vec3& n = s.normal;
    const double largest = LargestMagnitude(stress);
    const int exponent = largest > 0 ? std::ilogb(largest) : 0;
    Mat3 t = ToMatrix(stress);
    for (Vec3& row : t)
        for (double& x : row) x = std::ldexp(x, -exponent);
    const Vec3 traction{Dot(t[0], n), Dot(t[1], n), Dot(t[2], n)};
    const double sigma = Dot(n, traction);
    const Vec3 shear{traction[0] - sigma * n[0], traction[1] - sigma * n[1], traction[2] - sigma * n[2]};
    for (int i = 0; i < 3; ++i) {
        s.traction[i] = std::ldexp(traction[i], exponent);
        s.shearTraction[i] = std::ldexp(shear[i], exponent);
    }
    const double magnitude = Norm(shear);
    if (!(magnitude > 0) || !std::isfinite(magnitude)) return s;

    const Vec3 direction = Scaled(shear, 1 / magnitude);
    s.direction = direction;
    const Orientation line =
        OrientationOfDownward(PointingDown(direction), AzimuthConvention::azClockwiseFromNorth);
    s.trend = line.azimuth;
    s.plunge = line.dip;
    const auto [sa, ca] = SinCosOfTyped(plane.azimuth);
    const auto [sd, cd] = SinCosOfTyped(plane.dip);
    const Vec3 strike{-ca, sa, 0};             // azimuth of the dip direction less 90 degrees
    const Vec3 upDip{-sa * cd, -ca * cd, sd};  // in the plane, against the dip
    s.rake = std::atan2(Dot(direction, upDip), Dot(direction, strike));
    return s;
}

}  // namespace tensorium
