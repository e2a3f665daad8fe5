#include "core/plane_set_analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/angles.h"
#include "core/joint.h"
#include "core/mohr_coulomb.h"
#include "core/plane_traction.h"

namespace tensorium {

bool IsCriticallyStressed(const PlaneStability& stability, double tau)
{
    if (stability.sigmaEff < 0) return true;
    return tau > 0 && stability.safetyFactor && *stability.safetyFactor <= 1;
}

PlaneStresses StressesOn(const MeasuredPlane& plane, const StressState& stress)
{
    JointPlane orientation;
    orientation.azimuth = DegToRad(plane.dipDirection);
    orientation.dip = DegToRad(plane.dip);
    PlaneStresses result;
    result.normal = JointNormal(orientation);
    const PlaneTraction on = TractionOnPlane(result.normal, stress);
    result.sigma = on.sigma;
    result.tau = on.tau;
    return result;
}

namespace {

PlaneOutcome AssessWithFriction(const PlaneStresses& stresses, const PlaneSetConditions& conditions,
                                double friction)
{
    PlaneOutcome outcome;
    outcome.stresses = stresses;
    outcome.stability = AssessPlaneWithFriction(stresses.sigma, stresses.tau, conditions.s1, conditions.s3,
                                                friction, conditions.c, conditions.porePressure);
    outcome.critical = IsCriticallyStressed(outcome.stability, stresses.tau);
    return outcome;
}

}  // namespace

PlaneOutcome AssessMeasured(const PlaneStresses& stresses, const PlaneSetConditions& conditions)
{
    return AssessWithFriction(stresses, conditions, FrictionCoefficient(conditions.phiDegrees));
}

void AssessMeasured(const std::vector<PlaneStresses>& stresses, const PlaneSetConditions& conditions,
                    std::vector<PlaneOutcome>& outcomes)
{
    const double friction = FrictionCoefficient(conditions.phiDegrees);
    outcomes.resize(stresses.size());
    for (size_t k = 0; k < stresses.size(); ++k)
        outcomes[k] = AssessWithFriction(stresses[k], conditions, friction);
}

int ReassessAtPressure(const PlaneSetConditions& conditions, std::vector<PlaneOutcome>& outcomes)
{
    const double friction = FrictionCoefficient(conditions.phiDegrees);
    int critical = 0;
    for (PlaneOutcome& outcome : outcomes) {
        const PlaneStresses& on = outcome.stresses;
        ApplyPorePressure(outcome.stability, on.sigma, on.tau, friction, conditions.c,
                          conditions.porePressure);
        outcome.critical = IsCriticallyStressed(outcome.stability, on.tau);
        critical += outcome.critical;
    }
    return critical;
}

double CriticalPressure(const PlaneStresses& stresses, double phiDegrees, double c)
{
    // Opened from just above sigma on.
    double p = std::nextafter(stresses.sigma, std::numeric_limits<double>::infinity());
    if (!(stresses.tau > 0)) return p;
    const double friction = FrictionCoefficient(phiDegrees);
    if (friction > 0) {
        // c + (sigma - p) tan(phi) <= tau once p >= sigma - (tau - c) / tan(phi).
        const double slips = stresses.sigma - (stresses.tau - c) / friction;
        if (std::isfinite(slips)) p = std::min(p, slips);
    } else if (stresses.tau >= c) {
        return -std::numeric_limits<double>::infinity();
    }
    return p;
}

CriticalCurve::CriticalCurve(std::vector<double> criticalPressures) : pressures_(std::move(criticalPressures))
{
    std::sort(pressures_.begin(), pressures_.end());
}

double CriticalCurve::PercentAt(double p) const
{
    if (pressures_.empty()) return 0;
    const auto critical = std::upper_bound(pressures_.begin(), pressures_.end(), p) - pressures_.begin();
    return 100.0 * static_cast<double>(critical) / static_cast<double>(pressures_.size());
}

double CriticalCurve::AllCriticalPressure() const { return pressures_.empty() ? 0 : pressures_.back(); }

}  // namespace tensorium
