#include "core/mohr_coulomb.h"

#include <cmath>

#include "core/angles.h"

namespace tensorium {

double FrictionCoefficient(double phiDegrees) { return std::tan(DegToRad(phiDegrees)); }

double MohrCoulombLimit(double sigma, double phiDegrees, double c)
{
    return sigma < 0 ? 0.0 : FrictionCoefficient(phiDegrees) * sigma + c;
}

}  // namespace tensorium
