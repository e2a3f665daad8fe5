#include "core/stability.h"

#include <cmath>

#include "core/mohr_coulomb.h"

namespace tensorium {
namespace {

std::optional<double> Quotient(double numerator, double denominator)
{
    if (denominator == 0) return std::nullopt;
    const double q = numerator / denominator;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

}  // namespace

PlaneStability AssessPlane(double sigma, double tau, double s1, double s3, double phiDegrees, double c,
                           double porePressure)
{
    return AssessPlaneWithFriction(sigma, tau, s1, s3, FrictionCoefficient(phiDegrees), c, porePressure);
}

PlaneStability AssessPlaneWithFriction(double sigma, double tau, double s1, double s3, double friction,
                                       double c, double porePressure)
{
    PlaneStability s;
    s.dilationTendency = Quotient(s1 - sigma, s1 - s3);
    ApplyPorePressure(s, sigma, tau, friction, c, porePressure);
    return s;
}

void ApplyPorePressure(PlaneStability& s, double sigma, double tau, double friction, double c,
                       double porePressure)
{
    s.sigmaEff = sigma - porePressure;
    s.safetyFactor = Quotient(MohrCoulombLimitWithFriction(s.sigmaEff, friction, c), tau);
    s.slipTendency = Quotient(tau, s.sigmaEff);
    const std::optional<double> excess = Quotient(tau - c, friction);
    s.criticalPressureRise.reset();
    if (excess && std::isfinite(s.sigmaEff - *excess)) s.criticalPressureRise = s.sigmaEff - *excess;
}

PlaneStability AssessJoint(const JointResult& joint, const JointPlane& plane,
                           const PrincipalResult& principal, double porePressure)
{
    return AssessPlane(joint.sigma, joint.tau, principal.s1, principal.s3, plane.phi, plane.c, porePressure);
}

}  // namespace tensorium
