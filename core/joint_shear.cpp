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
    // The strike has the dip to its right; from the upward normal, so that a
    // dip typed beyond 90 degrees still means the plane as it lies.
    const Vec3 up = n[2] < 0 ? Scaled(n, -1) : n;
    Vec3 strike{-up[1], up[0], 0};  // z x up
    if (Norm(strike) < 1e-12) {
        const auto [sa, ca] = SinCosOfTyped(plane.azimuth);  // a horizontal plane: the typed azimuth
        strike = {-ca, sa, 0};
    }
    strike = Scaled(strike, 1 / Norm(strike));
    const Vec3 upDip = Cross(up, strike);
    s.rake = std::atan2(Dot(direction, upDip), Dot(direction, strike));
    return s;
}

}  // namespace tensorium
