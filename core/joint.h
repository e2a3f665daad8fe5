// A joint plane and the stresses on it; the strength check takes
// compression as positive.
#pragma once

#include <optional>

#include "core/angles.h"
#include "core/stress_state.h"

namespace tensorium {

struct JointPlane {
    double azimuth = 0;  // dip direction, radians, clockwise from North
    double dip = 0;      // radians below the horizontal
    double phi = 0;      // friction angle, degrees as typed
    double c = 0;        // cohesion, stress unit
};

struct JointResult {
    double sigma = 0;  // normal stress
    double tau = 0;    // shear stress magnitude, never negative
    double tlim = 0;   // Mohr-Coulomb limit, 0 in tension
};

// Upward unit normal of the plane: (sin az sin dip, cos az sin dip, cos dip).
Vec3 JointNormal(const JointPlane& plane);

// sigma and tau from TractionOnPlane with n the plane's normal; tlim from
// MohrCoulombLimit. Throws TensorError on a result beyond the double range.
JointResult ComputeJointStresses(const JointPlane& plane, const StressState& stress);

// tlim / tau, or nothing when the quotient has no finite value (tau = 0).
std::optional<double> SafetyFactor(const JointResult& result);

}  // namespace tensorium
