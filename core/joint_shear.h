// The stresses on the joint as vectors: the traction on the plane, its
// normal and shear parts, and the direction of shear with its trend, plunge
// and rake. Compression is positive.
#pragma once

#include <optional>

#include "core/joint.h"

namespace tensorium {

struct JointShear {
    Vec3 normal{};         // n, the unit normal (JointNormal), upward for dips of 0 to 90 degrees
    Vec3 traction{};       // t = T n
    Vec3 shearTraction{};  // t - (n.t) n, in the plane
    // The unit direction of the shear traction and where it points; none
    // when the plane carries no shear.
    std::optional<Vec3> direction;
    double trend = 0, plunge = 0;  // of the line's downward end, radians, clockwise from North
    double rake = 0;               // in the plane from the strike (dip direction - 90 deg) to `direction`,
                                   // positive up the dip, radians in (-pi, pi]
};

// From TractionOnPlane, as the normal and shear stress are, so that the
// direction stays a unit vector for any finite state.
JointShear ShearOnJoint(const JointPlane& plane, const StressState& stress);

}  // namespace tensorium
