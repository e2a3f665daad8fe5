// How close a plane is to slipping or opening, with compression positive and
// a pore pressure p that lowers every normal stress: sigma' = sigma - p.
#pragma once

#include <optional>

#include "core/joint.h"
#include "core/principal_solver.h"

namespace tensorium {

struct PlaneStability {
    double sigmaEff = 0;                         // sigma' = sigma - p
    std::optional<double> safetyFactor;          // (c + sigma' tan phi) / tau, 0 limit in tension
    std::optional<double> slipTendency;          // Ts = tau / sigma' (none where sigma' = 0)
    std::optional<double> dilationTendency;      // Td = (s1 - sigma) / (s1 - s3) (none when s1 = s3)
    std::optional<double> criticalPressureRise;  // sigma' - (tau - c) / tan phi (none when tan phi = 0)
};

// The stability of the plane with normal stress `sigma` and shear stress
// `tau` (from ComputeJointStresses) under the principal stresses s1 >= s3,
// the friction angle phi (degrees), cohesion c and pore pressure p.
PlaneStability AssessPlane(double sigma, double tau, double s1, double s3, double phiDegrees, double c,
                           double porePressure);

// The same with tan phi given (FrictionCoefficient), for many planes of one
// strength: the same results, without a tangent a plane.
PlaneStability AssessPlaneWithFriction(double sigma, double tau, double s1, double s3, double friction,
                                       double c, double porePressure);

// Works out again, in `stability`, only what the pore pressure changes:
// sigma', the safety factor, the slip tendency and the pressure rise.
void ApplyPorePressure(PlaneStability& stability, double sigma, double tau, double friction, double c,
                       double porePressure);

// Each quantity is empty where its quotient has no finite value.
PlaneStability AssessJoint(const JointResult& joint, const JointPlane& plane,
                           const PrincipalResult& principal, double porePressure);

}  // namespace tensorium
