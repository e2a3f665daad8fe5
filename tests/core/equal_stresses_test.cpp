// Which principal stresses count as equal: exact ties, the rounding of the
// solver on rotated tensors, real gaps, and the same answer in every unit.
#include "core/equal_stresses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/core/random_stress.h"

namespace tensorium {
namespace {

PrincipalResult Values(double s1, double s2, double s3)
{
    PrincipalResult p;
    p.s1 = s1, p.s2 = s2, p.s3 = s3;
    return p;
}

// The flags as one text, so that a failure shows all of them.
std::string Flags(const EqualStresses& e)
{
    return std::string(e.topPair ? "top " : "") + (e.bottomPair ? "bottom " : "") + (e.all ? "all" : "");
}

TEST(EqualStresses, ExactTiesAndRealGaps)
{
    EXPECT_EQ(Flags(EqualPrincipalStresses(Values(0, 0, 0))), "top bottom all");
    EXPECT_EQ(Flags(EqualPrincipalStresses(Values(-6.5, -6.5, -6.5))), "top bottom all");
    EXPECT_EQ(Flags(EqualPrincipalStresses(Values(5, 5, 1))), "top ");
    EXPECT_EQ(Flags(EqualPrincipalStresses(Values(5, -1, -1))), "bottom ");
    EXPECT_EQ(Flags(EqualPrincipalStresses(Values(8, 3, 1))), "");
    // A gap of a millionth of the spread is a real one.
    EXPECT_EQ(Flags(EqualPrincipalStresses(Values(5, 5 - 5e-6, 1))), "");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(EqualPrincipalStresses(Values(nan, nan, nan)).all) << "no spread to speak of";
}

// No absolute floor: stresses near the bottom of the double range are judged
// as the same stresses in a larger unit are.
TEST(EqualStresses, TheSameInEveryUnit)
{
    for (double unit : {1.0, 1e-310, 1e-305, 1e-200, 1e200, 1e300}) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(Flags(EqualPrincipalStresses(Values(3 * unit, 2 * unit, 1 * unit))), "");
        EXPECT_EQ(Flags(EqualPrincipalStresses(Values(3 * unit, 3 * unit, 1 * unit))), "top ");
        EXPECT_EQ(Flags(EqualPrincipalStresses(Values(2 * unit, 2 * unit, 2 * unit))), "top bottom all");
    }
}

// Equal values typed in a rotated frame come out of the solver apart by
// rounding, and still count as equal; a gap of a millionth stays a gap.
TEST(EqualStresses, RotatedEqualStressesStayEqual)
{
    testing_support::Random r(0xe9a10001);
    for (int i = 0; i < 2000; ++i) {
        const Mat3 q = testing_support::Rotation(r.Quaternion());
        const double scale = std::pow(10.0, r.Below(16) - 6), p = scale * r.Signed();
        const double other = p + scale * (0.05 + r.Unit()) * (r.Below(2) ? 1 : -1);
        const auto solved = [](const StressState& s) {
            return EqualPrincipalStresses(
                ComputePrincipalStresses(s, AzimuthConvention::azClockwiseFromNorth));
        };
        const EqualStresses pair = solved(testing_support::Rotated(q, {p, p, other}));
        EXPECT_EQ(Flags(pair), other > p ? "bottom " : "top ") << i;
        EXPECT_TRUE(solved(testing_support::Rotated(q, {p, p, p})).all) << i;
        const double apart = p + 1e-6 * (other - p);
        EXPECT_EQ(Flags(solved(testing_support::Rotated(q, {p, apart, other}))), "") << i;
    }
}

}  // namespace
}  // namespace tensorium
