#include "core/joint_shear.h"

#include <cmath>

#include "core/angles.h"
#include "core/plane_traction.h"

namespace tensorium {

JointShear ShearOnJoint(const JointPlane& plane, const StressState& stress)
{
    JointShear s;
    s.normal = JointNormal(plane);
    const Vec3& n = s.normal;
    const PlaneTraction on = TractionOnPlane(n, stress);
    s.traction = on.traction;
    s.shearTraction = on.shearTraction;
    if (!on.shearDirection) return s;

    const Vec3 direction = *on.shearDirection;
    s.direction = direction;
    const Orientation line =
        OrientationOfDownward(PointingDown(direction), AzimuthConvention::azClockwiseFromNorth);
    s.trend = line.azimuth;
    s.plunge = line.dip;
    // The strike has the dip to its right; from the upward normal, so that a
    // dip typed beyond 90 degrees still means the plane as it lies.
    const Vec3 up = n[2] < 0 ? Scaled(n, -1) : n;
    Vec3 strike{-up[1], up[0], 0};  // z x up
    if (Norm(strike) < kVerticalResidue) {
        const auto [sa, ca] = SinCosOfTyped(plane.azimuth);  // a horizontal plane: the typed azimuth
        strike = {-ca, sa, 0};
    }
    strike = Scaled(strike, 1 / Norm(strike));
    const Vec3 upDip = Cross(up, strike);
    s.rake = std::atan2(Dot(direction, upDip), Dot(direction, strike));
    return s;
}

}  // namespace tensorium
