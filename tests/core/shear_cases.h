// Joints that carry no shear, and one that carries very little: a nearly
// hydrostatic state (a deviator of 1e-10 under a mean of 0.36) on a vertical
// joint, with its safety factor from the closed form in long double.
#pragma once

#include <cmath>
#include <vector>

#include "core/angles.h"
#include "core/joint.h"
#include "core/stress_state.h"

namespace tensorium::testing_support {

struct ZeroShearCase {
    const char* name;
    StressState stress;
    JointPlane joint;
};

// A hydrostatic state in compression and in tension on the default joint
// (dip direction 16, dip 33, phi 14, c 1), and pure shear on a principal plane.
inline std::vector<ZeroShearCase> ZeroShearCases()
{
    const JointPlane defaultJoint{DegToRad(16), DegToRad(33), 14, 1};
    const double t = -6.219727653541192;
    return {{"hydrostatic", {5, 5, 5, 0, 0, 0}, defaultJoint},
            {"principal plane of pure shear",
             {0, 0, 0, 0, 0, 6.432210026966445},
             {DegToRad(90), DegToRad(45), 14, 1}},
            {"hydrostatic tension", {t, t, t, 0, 0, 0}, defaultJoint}};
}

inline const StressState kNearlyHydrostatic{
    0.3592612733461492, 0.3592612735297697, 0.35926127353213677, 0, 0, 0};

// Dip direction 313 degrees, dip -90 (a vertical plane), phi 6.03, c 0.928.
inline JointPlane NearlyHydrostaticJoint() { return {DegToRad(313), DegToRad(-90), 6.03, 0.928}; }

// The normal of the joint is (-sin 313, -cos 313, 0); on it the diagonal
// tensor gives sigma = sx n0^2 + sy n1^2 and tau = |sx - sy| |n0 n1|, here
// from the same doubles in long double (eleven more bits than the program).
inline long double NearlyHydrostaticSafetyFactor()
{
    const long double pi = 3.141592653589793238462643383279502884L;
    const long double sx = kNearlyHydrostatic.sx, sy = kNearlyHydrostatic.sy;
    const long double azimuth = 313 * pi / 180, n0 = -std::sin(azimuth), n1 = -std::cos(azimuth);
    const long double sigma = sx * n0 * n0 + sy * n1 * n1, tau = std::fabs((sx - sy) * n0 * n1);
    const JointPlane joint = NearlyHydrostaticJoint();
    return (std::tan(static_cast<long double>(joint.phi) * pi / 180) * sigma + joint.c) / tau;
}

// The program's tau is within 6 eps of the deviator's largest component
// (1.34 tau here) of the exact one (PlaneTraction.ShearAgainstLongDouble),
// and tlim and the quotient add a few roundings: 16 eps of the quotient.
inline constexpr double kNearlyHydrostaticTolerance = 16;

}  // namespace tensorium::testing_support
