#include "core/joint.h"

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/tensor_error.h"

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
    return ComputeJointStresses(plane, ComputePrincipalStresses(stress, AzimuthConvention::azClockwiseFromNorth));
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

TEST(Joint, TensionCarriesNoShear)
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

TEST(Joint, ZeroNormalStressLeavesTheCohesion)
{
    const JointResult r = On({0, 0, 0, 1, 0, 0}, Plane(0, 90, 30, 0.25));  // vertical plane facing North
    EXPECT_NEAR(r.sigma, 0, 1e-15);
    EXPECT_NEAR(r.tlim, 0.25, 1e-15);
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
        const double tau = Norm({traction[0] - sigma * n[0], traction[1] - sigma * n[1],
                                 traction[2] - sigma * n[2]});
        const JointResult r = On(s, kDefaultJoint);
        EXPECT_NEAR(r.sigma, sigma, 1e-14);
        EXPECT_NEAR(r.tau, tau, 1e-7);  // the root of a tiny square loses half the digits
    }
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
    PrincipalResult p = ComputePrincipalStresses({1e308, 0, 0, 0, 0, 0}, AzimuthConvention::azClockwiseFromNorth);
    EXPECT_THROW(ComputeJointStresses(Plane(90, 90, 89.99999, 0), p), TensorError);
}

}  // namespace
}  // namespace tensorium
