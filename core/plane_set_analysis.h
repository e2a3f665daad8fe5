// Every plane of a set under the analysed stress: the stresses on it, how
// close it is to slipping or opening under the pore pressure, whether it is
// critically stressed, and the pore pressure at which it becomes so.
#pragma once

#include <vector>

#include "core/plane_set.h"
#include "core/stability.h"
#include "core/stress_state.h"

namespace tensorium {

// The stresses on one plane, which the pore pressure leaves as they are.
struct PlaneStresses {
    Vec3 normal{};  // unit, pointing up
    double sigma = 0;
    double tau = 0;
};

struct PlaneOutcome {
    PlaneStresses stresses;
    PlaneStability stability;
    bool critical = false;
};

// The strength every plane of the set is given, and the pore pressure.
struct PlaneSetConditions {
    double s1 = 0, s3 = 0;  // principal stresses, for the dilation tendency
    double phiDegrees = 0;
    double c = 0;
    double porePressure = 0;
};

// Critically stressed: opened (sigma' < 0), or sheared (tau > 0) with a
// safety factor of at most 1; in tension the shear strength is 0.
bool IsCriticallyStressed(const PlaneStability& stability, double tau);

PlaneStresses StressesOn(const MeasuredPlane& plane, const StressState& stress);
PlaneOutcome AssessMeasured(const PlaneStresses& stresses, const PlaneSetConditions& conditions);
// Every plane at once, the friction coefficient worked out once, into
// `outcomes` (whose memory is used again: a step of the pore pressure
// assesses tens of thousands of planes).
void AssessMeasured(const std::vector<PlaneStresses>& stresses, const PlaneSetConditions& conditions,
                    std::vector<PlaneOutcome>& outcomes);
// The same outcomes at the pore pressure of `conditions`, whose stresses
// and strength they were assessed with: only what the pressure changes is
// worked out again. Returns how many are critically stressed.
int ReassessAtPressure(const PlaneSetConditions& conditions, std::vector<PlaneOutcome>& outcomes);

// The lowest pore pressure at which the plane is critically stressed: below
// it, it is not; from it on, it is (opening counts from just above sigma).
// Minus infinity for a plane that is critically stressed at any pressure.
double CriticalPressure(const PlaneStresses& stresses, double phiDegrees, double c);

// The share of planes critically stressed as the pore pressure rises.
class CriticalCurve {
public:
    explicit CriticalCurve(std::vector<double> criticalPressures);
    // Percentage (0 to 100) of the planes critically stressed at `p`.
    double PercentAt(double p) const;
    // The pressure from which every plane is critically stressed (0 without planes).
    double AllCriticalPressure() const;
    // The pressures where the percentage steps up, ascending.
    const std::vector<double>& Steps() const { return pressures_; }

private:
    std::vector<double> pressures_;
};

}  // namespace tensorium
