#include "core/mohr_coulomb.h"

#include <cmath>

#include "core/angles.h"

namespace tensorium {

double FrictionCoefficient(double phiDegrees) { return std::tan(DegToRad(phiDegrees)); }

double MohrCoulombLimit(double sigma, double phiDegrees, double c)
{
    return MohrCoulombLimitWithFriction(sigma, FrictionCoefficient(phiDegrees), c);
}

double MohrCoulombLimitWithFriction(double sigma, double friction, double c)
{
    return sigma < 0 ? 0.0 : friction * sigma + c;
}

}  // namespace tensorium
