// The Mohr-Coulomb strength of a plane, with compression positive: the
// shear stress it can carry under a normal stress sigma.
#pragma once

namespace tensorium {

// tan phi, for a friction angle phi in degrees.
double FrictionCoefficient(double phiDegrees);

// tlim = tan(phi) sigma + c, or 0 when sigma < 0: a plane in tension has
// no frictional strength and loses its cohesion.
double MohrCoulombLimit(double sigma, double phiDegrees, double c);

// The same with tan phi given, for many planes of one strength.
double MohrCoulombLimitWithFriction(double sigma, double friction, double c);

}  // namespace tensorium
