#include "core/joint.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/number_format.h"
#include "core/tensor_error.h"
#include "tests/core/shear_cases.h"

namespace tensorium {
namespace {

const NumberSeparators kEnglish{".", ","};
std::string F(double v) { return FormatNumber(v, 3, kEnglish); }

JointPlane Plane(double azimuth, double dip, double phi, double c)
{
    return {DegToRad(azimuth), DegToRad(dip), phi, c};
}

JointResult On(const StressState& stress, const JointPlane& plane)
{
    return ComputeJointStresses(plane, stress);
}

const JointPlane kDefaultJoint = Plane(16, 33, 14, 1);

TEST(Joint, DefaultStateOnTheDefaultJoint)
{
    const Vec3 n = JointNormal(kDefaultJoint);
    EXPECT_NEAR(n[0], 0.150123, 5e-7);
    EXPECT_NEAR(n[1], 0.523541, 5e-7);
    EXPECT_NEAR(n[2], 0.838671, 5e-7);
    const JointResult r = On({3.4, 1, 8, 1, -1, 2}, kDefaultJoint);
    EXPECT_EQ(F(r.sigma), "5.760");
    EXPECT_EQ(F(r.tau), "4.033");
    EXPECT_EQ(F(r.tlim), "2.436");
    ASSERT_TRUE(SafetyFactor(r));
    EXPECT_EQ(F(*SafetyFactor(r)), "0.604");
}

TEST(Joint, TensionLeavesNoShearStrength)
{
    const JointResult r = On({-3.4, -1, -8, -1, 1, -2}, kDefaultJoint);
    EXPECT_EQ(F(r.sigma), "-5.760");
    EXPECT_EQ(F(r.tau), "4.033");
    EXPECT_EQ(r.tlim, 0);
    EXPECT_EQ(*SafetyFactor(r), 0);
}

TEST(Joint, HorizontalJointUnderAVerticalPrincipalAxisHasNoShear)
{
    const JointResult r = On({3.4, 1, 8, 1, 0, 0}, Plane(16, 0, 14, 1));
    EXPECT_EQ(F(r.sigma), "8.000");
    EXPECT_EQ(r.tau, 0);
    EXPECT_EQ(F(r.tlim), "2.995");
    EXPECT_FALSE(SafetyFactor(r));
}

// A plane on which the typed components cancel exactly has exactly zero
// normal stress, so the limit is the cohesion and not 0 (as a residue of
// -1e-15 would make it).
TEST(Joint, ZeroNormalStressLeavesTheCohesion)
{
    const JointResult north = On({0, 0, 0, 1, 0, 0}, Plane(0, 90, 30, 0.25));  // vertical, facing North
    EXPECT_EQ(north.sigma, 0);
    EXPECT_EQ(north.tlim, 0.25);

    const JointResult r = On({0, 0, -75, 0, -1, -14}, Plane(-82.51, 90, 51.4, 213));
    EXPECT_EQ(r.sigma, 0);
    EXPECT_EQ(F(r.tau), "13.750");
    EXPECT_EQ(F(r.tlim), "213.000");
    ASSERT_TRUE(SafetyFactor(r));
    EXPECT_EQ(F(*SafetyFactor(r)), "15.491");
}

// Under equal principal stresses the axes of the pair are arbitrary; the
// stresses on the joint must not depend on which were picked.
TEST(Joint, EqualPrincipalStressesGiveTheTractionOnThePlane)
{
    for (const StressState& s : {StressState{5, 5, 8, 0, 0, 0}, StressState{5, 5, 5, 0, 0, 0},
                                 StressState{2, 6.5, 6.5, 0, 1.5, 0}, StressState{0, 0, 0, 0, 0, 0}}) {
        const Vec3 n = JointNormal(kDefaultJoint);
        const Mat3 t = ToMatrix(s);
        const Vec3 traction{Dot(t[0], n), Dot(t[1], n), Dot(t[2], n)};
        const double sigma = Dot(traction, n);
        const double tau =
            Norm({traction[0] - sigma * n[0], traction[1] - sigma * n[1], traction[2] - sigma * n[2]});
        const JointResult r = On(s, kDefaultJoint);
        // The same formula in another order: a few roundings of 8 apart.
        EXPECT_NEAR(r.sigma, sigma, 8 * 8 * DBL_EPSILON);
        EXPECT_NEAR(r.tau, tau, 8 * 8 * DBL_EPSILON);
    }
}

// Planes that carry no shear: a hydrostatic state (in compression or in
// tension) and a principal plane of pure shear. The shear stress is exactly
// 0, not rounding residue, so the safety factor has no value.
TEST(Joint, PlanesWithoutShearHaveNoSafetyFactor)
{
    using namespace testing_support;
    for (const ZeroShearCase& k : ZeroShearCases()) {
        SCOPED_TRACE(k.name);
        const JointResult r = On(k.stress, k.joint);
        EXPECT_EQ(r.tau, 0);
        EXPECT_FALSE(SafetyFactor(r));
    }
    EXPECT_EQ(F(On({5, 5, 5, 0, 0, 0}, kDefaultJoint).sigma), "5.000");
    EXPECT_EQ(On(ZeroShearCases()[2].stress, kDefaultJoint).tlim, 0) << "no strength in tension";
}

// A deviator of 1e-10 under a mean of 0.36 carries real shear; its safety
// factor of 1e10 keeps every digit shown.
TEST(Joint, NearlyHydrostaticSafetyFactorKeepsItsDigits)
{
    using namespace testing_support;
    const JointResult r = On(kNearlyHydrostatic, NearlyHydrostaticJoint());
    ASSERT_GT(r.tau, 0);
    ASSERT_TRUE(SafetyFactor(r));
    const long double expected = NearlyHydrostaticSafetyFactor();
    EXPECT_LE(std::fabs(*SafetyFactor(r) - expected), kNearlyHydrostaticTolerance * DBL_EPSILON * expected);
    EXPECT_EQ(F(*SafetyFactor(r)), F(static_cast<double>(expected)));
}

TEST(Joint, SafetyFactorAgainstOne)
{
    EXPECT_EQ(*SafetyFactor({1, 2, 2}), 1);
    EXPECT_EQ(*SafetyFactor({1, 2, -3}), -1.5);
    EXPECT_FALSE(SafetyFactor({1, 0, 2}));
    EXPECT_FALSE(SafetyFactor({1, 1e-320, 1e10}));  // beyond the double range: no value
}

TEST(Joint, ResultsBeyondTheDoubleRangeAreReported)
{
    EXPECT_THROW(ComputeJointStresses(Plane(90, 90, 89.99999, 0), {1e308, 0, 0, 0, 0, 0}), TensorError);
}

}  // namespace
}  // namespace tensorium
