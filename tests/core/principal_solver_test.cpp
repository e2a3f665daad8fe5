#include "core/principal_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/number_format.h"
#include "core/tensor_error.h"

namespace tensorium {
namespace {

const NumberSeparators kEnglish{".", ","};

// One principal axis as the Principal page shows it.
struct ShownAxis {
    std::string value, azimuth, dip, l, m, n;
};

bool operator==(const ShownAxis& a, const ShownAxis& b)
{
    return a.value == b.value && a.azimuth == b.azimuth && a.dip == b.dip && a.l == b.l && a.m == b.m &&
           a.n == b.n;
}

std::ostream& operator<<(std::ostream& os, const ShownAxis& a)
{
    return os << a.value << " az " << a.azimuth << " dip " << a.dip << " (" << a.l << ", " << a.m << ", "
              << a.n << ")";
}

std::vector<ShownAxis> Shown(const StressState& stress, AzimuthConvention convention)
{
    const PrincipalResult r = ComputePrincipalStresses(stress, convention);
    const double values[3] = {r.s1, r.s2, r.s3};
    std::vector<ShownAxis> shown;
    for (int k = 0; k < 3; ++k) {
        const PrincipalAxis& a = r.axes[k];
        shown.push_back({FormatNumber(values[k], 3, kEnglish), FormatNumber(RadToDeg(a.azimuth), 2, kEnglish),
                         FormatNumber(RadToDeg(a.dip), 2, kEnglish), FormatNumber(a.cosines[0], 6, kEnglish),
                         FormatNumber(a.cosines[1], 6, kEnglish), FormatNumber(a.cosines[2], 6, kEnglish)});
    }
    return shown;
}

constexpr auto kNorth = AzimuthConvention::azClockwiseFromNorth;
constexpr auto kEast = AzimuthConvention::azCounterclockwiseFromEast;
const StressState kDefaults{3.4, 1, 8, 1, -1, 2};

TEST(PrincipalStresses, DefaultStateClockwiseFromNorth)
{
    const std::vector<ShownAxis> expected = {
        {"8.794", "283.10", "69.95", "0.333929", "-0.077687", "0.939391"},
        {"3.341", "60.78", "15.10", "0.842622", "0.471273", "-0.260557"},
        {"0.266", "154.32", "12.88", "-0.422468", "0.878560", "0.222832"}};
    EXPECT_EQ(Shown(kDefaults, kNorth), expected);
}

TEST(PrincipalStresses, ConventionChangesOnlyTheAzimuths)
{
    std::vector<ShownAxis> expected = Shown(kDefaults, kNorth);
    expected[0].azimuth = "166.90";
    expected[1].azimuth = "29.22";
    expected[2].azimuth = "295.68";
    EXPECT_EQ(Shown(kDefaults, kEast), expected);
}

TEST(PrincipalStresses, NegatedDefaults)
{
    const StressState negated{-3.4, -1, -8, -1, 1, -2};
    const std::vector<ShownAxis> expected = {
        {"-0.266", "154.32", "12.88", "0.422468", "-0.878560", "-0.222832"},
        {"-3.341", "60.78", "15.10", "0.842622", "0.471273", "-0.260557"},
        {"-8.794", "283.10", "69.95", "0.333929", "-0.077687", "0.939391"}};
    EXPECT_EQ(Shown(negated, kNorth), expected);
}

TEST(PrincipalStresses, DiagonalOneTwoThree)
{
    const StressState diagonal{1, 2, 3, 0, 0, 0};
    EXPECT_EQ(Shown(diagonal, kNorth),
              (std::vector<ShownAxis>{{"3.000", "180.00", "90.00", "0.000000", "0.000000", "1.000000"},
                                      {"2.000", "180.00", "0.00", "0.000000", "-1.000000", "0.000000"},
                                      {"1.000", "90.00", "0.00", "1.000000", "0.000000", "0.000000"}}));
    const auto east = Shown(diagonal, kEast);
    EXPECT_EQ(east[0].azimuth, "270.00");
    EXPECT_EQ(east[1].azimuth, "270.00");
    EXPECT_EQ(east[2].azimuth, "0.00");
}

// With R = 0 treated exactly, the last digit of -0.707106 reads -0.707107.
TEST(PrincipalStresses, PureShear)
{
    const StressState shear{0, 0, 0, 1, 0, 0};
    EXPECT_EQ(Shown(shear, kNorth),
              (std::vector<ShownAxis>{{"1.000", "45.00", "0.00", "-0.707107", "-0.707107", "0.000000"},
                                      {"0.000", "180.00", "90.00", "0.000000", "0.000000", "-1.000000"},
                                      {"-1.000", "135.00", "0.00", "0.707107", "-0.707107", "0.000000"}}));
    const auto east = Shown(shear, kEast);
    EXPECT_EQ(east[0].azimuth, "45.00");
    EXPECT_EQ(east[1].azimuth, "270.00");
    EXPECT_EQ(east[2].azimuth, "315.00");
}

// The unit of stress must not matter: the same angles and cosines at every scale.
TEST(PrincipalStresses, ScaledDefaultsShowTheSameAxes)
{
    const auto reference = Shown(kDefaults, kNorth);
    for (int k = -6; k <= 9; ++k) {
        const double f = std::pow(10.0, k);
        const StressState scaled{3.4 * f, 1 * f, 8 * f, 1 * f, -1 * f, 2 * f};
        const auto shown = Shown(scaled, kNorth);
        for (int axis = 0; axis < 3; ++axis) {
            ShownAxis expected = reference[axis];
            expected.value = shown[axis].value;
            EXPECT_EQ(shown[axis], expected) << "scale 1e" << k;
        }
    }
    const auto thousand = Shown({3400, 1000, 8000, 1000, -1000, 2000}, kNorth);
    EXPECT_EQ(thousand[0].value, "8,793.647");
    EXPECT_EQ(thousand[1].value, "3,340.851");
    EXPECT_EQ(thousand[2].value, "265.502");
}

TEST(PrincipalStresses, SmallPureShearHasOneVerticalAxis)
{
    const auto shown = Shown({0, 0, 0, 0.001, 0, 0}, kNorth);
    EXPECT_EQ(shown[1].dip, "90.00");
    EXPECT_EQ(shown[0].dip, "0.00");
    EXPECT_EQ(shown[0].azimuth, "45.00");
}

// Zero and hydrostatic states are valid: equal values, global axes z, -y, x.
TEST(PrincipalStresses, HydrostaticStatesGiveTheGlobalAxes)
{
    for (const StressState& s : {StressState{0, 0, 0, 0, 0, 0}, StressState{5, 5, 5, 0, 0, 0},
                                 StressState{0.1, 0.1, 0.1, 0, 0, 0}}) {
        const PrincipalResult r = ComputePrincipalStresses(s, kNorth);
        EXPECT_EQ(r.s1, s.sx);
        EXPECT_EQ(r.s2, s.sx);
        EXPECT_EQ(r.s3, s.sx);
        EXPECT_EQ(r.axes[0].cosines, (Vec3{0, 0, 1}));
        EXPECT_EQ(r.axes[1].cosines, (Vec3{0, -1, 0}));
        EXPECT_EQ(r.axes[2].cosines, (Vec3{1, 0, 0}));
    }
}

double Determinant(const PrincipalResult& r)
{
    return Dot(r.axes[0].cosines, Cross(r.axes[1].cosines, r.axes[2].cosines));
}

TEST(PrincipalStresses, EqualPairKeepsTheDistinctAxisExactly)
{
    const PrincipalResult r = ComputePrincipalStresses({5, 5, 8, 0, 0, 0}, kNorth);
    EXPECT_EQ(r.s1, 8);
    EXPECT_EQ(r.s2, 5);
    EXPECT_EQ(r.s3, 5);
    EXPECT_EQ(r.axes[0].cosines, (Vec3{0, 0, 1}));
    EXPECT_EQ(Dot(r.axes[1].cosines, r.axes[2].cosines), 0);
    EXPECT_EQ(Determinant(r), 1);

    // The same state turned about x by 30 degrees: the distinct axis turns too.
    const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
    // T' = R diag(5,5,8) R^T with R a rotation about x.
    const StressState turned{5, 5 * c * c + 8 * s * s, 5 * s * s + 8 * c * c, 0, (8 - 5) * -s * c, 0};
    const PrincipalResult t = ComputePrincipalStresses(turned, kNorth);
    EXPECT_NEAR(t.s1, 8, 1e-14);
    EXPECT_NEAR(t.s2, 5, 1e-14);
    EXPECT_NEAR(t.s3, 5, 1e-14);
    const Vec3 distinct{0, -s, c};
    EXPECT_NEAR(std::fabs(Dot(t.axes[0].cosines, distinct)), 1, 1e-15);
    EXPECT_NEAR(Dot(t.axes[1].cosines, t.axes[2].cosines), 0, 1e-15);
    EXPECT_NEAR(Dot(t.axes[0].cosines, t.axes[1].cosines), 0, 1e-15);
    EXPECT_NEAR(Determinant(t), 1, 1e-15);
}

TEST(PrincipalStresses, HugeComponentsSolveWithoutOverflow)
{
    const PrincipalResult r = ComputePrincipalStresses({3.4e300, 1e300, 8e300, 1e300, -1e300, 2e300}, kNorth);
    EXPECT_NEAR(r.s1 / 1e300, 8.793647, 1e-6);
    EXPECT_NEAR(RadToDeg(r.axes[0].azimuth), 283.10, 0.005);
}

TEST(PrincipalStresses, StressesBeyondTheDoubleRangeReportOverflow)
{
    const double big = 1.5e308;
    try {
        ComputePrincipalStresses({big, big, 0, big, 0, 0}, kNorth);
        FAIL() << "no failure";
    } catch (const TensorError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

TEST(Angles, AzimuthOfHorizontalAndVerticalDirections)
{
    struct Case {
        Vec3 down;
        double north, east;
    };
    for (const Case& c : {Case{{1, 0, 0}, 90, 0}, Case{{0, 1, 0}, 0, 90}, Case{{-1, 0, 0}, 270, 180},
                          Case{{0, -1, 0}, 180, 270}, Case{{0, 0, -1}, 180, 270}}) {
        EXPECT_DOUBLE_EQ(RadToDeg(OrientationOfDownward(c.down, kNorth).azimuth), c.north);
        EXPECT_DOUBLE_EQ(RadToDeg(OrientationOfDownward(c.down, kEast).azimuth), c.east);
    }
    EXPECT_EQ(OrientationOfDownward({0, 0, -1}, kNorth).dip, kPi / 2);
    // Near the vertical the dip is still the true one (89.92, not 90.00).
    const double a = DegToRad(89.92);
    EXPECT_NEAR(RadToDeg(OrientationOfDownward({std::cos(a), 0, -std::sin(a)}, kNorth).dip), 89.92, 1e-9);
}

}  // namespace
}  // namespace tensorium

namespace tensorium {
namespace {

TEST(Angles, TypedQuarterTurnsAreExact)
{
    struct Case {
        double degrees, sin, cos;
    };
    for (const Case& c : {Case{0, 0, 1}, Case{90, 1, 0}, Case{180, 0, -1}, Case{270, -1, 0}, Case{360, 0, 1},
                          Case{-90, -1, 0}, Case{720, 0, 1}, Case{-630, 1, 0}, Case{1000170, 1, 0}}) {
        const SinCos sc = SinCosOfTyped(DegToRad(c.degrees));
        EXPECT_EQ(sc.sin, c.sin) << c.degrees;
        EXPECT_EQ(sc.cos, c.cos) << c.degrees;
    }
    const SinCos other = SinCosOfTyped(DegToRad(30));
    EXPECT_EQ(other.sin, std::sin(DegToRad(30)));
    EXPECT_EQ(other.cos, std::cos(DegToRad(30)));
}

TEST(Angles, AzimuthJustWestOfNorthStaysBelowAFullTurn)
{
    const Orientation o =
        OrientationOfDownward({-4.5e-16, 0.92, -0.39}, AzimuthConvention::azClockwiseFromNorth);
    EXPECT_LT(o.azimuth, 2 * kPi);
    EXPECT_GE(o.azimuth, 0);
}

}  // namespace
}  // namespace tensorium

namespace tensorium {
namespace {

// Normal stresses a last digit apart with a shear far below them: the
// deviatoric part is tiny, and its cross products once fell below the
// double range (found by fuzzing).
TEST(PrincipalStresses, NearlyHydrostaticStatesWithTinyShears)
{
    for (const StressState& s :
         {StressState{3, 3.0000000000000004, 3.0000000000000004, 1e-160, 0, 0},
          StressState{3.0135153699541013e+296, 3.0135153699541016e+296, 3.0135153699541016e+296, 1, 3, 0},
          StressState{1.3075051467559278e-163, 1.3075051467559279e-163, 1.3075051467559279e-163,
                      8.6461488022218145e-322, 0, 0},
          StressState{3.0135153699541013e+296, 3.0135153699541016e+296, 3.0135153699541016e+296,
                      -1.0025203211995152e+120, 1.5610724842161312e-148, 1.783537462306311e-307},
          StressState{3.0342833339878944e-86, 3.0342833339878944e-86, 3.0342833339878944e-86,
                      -3.4457284639376417e-211, 1.495279e-317, 0}}) {
        const PrincipalResult r = ComputePrincipalStresses(s, AzimuthConvention::azClockwiseFromNorth);
        EXPECT_GE(r.s1, r.s2);
        EXPECT_GE(r.s2, r.s3);
        EXPECT_NEAR(r.s1, s.sy, 4e-16 * std::fabs(s.sy));
        EXPECT_NEAR(r.s3, s.sx, 4e-16 * std::fabs(s.sy));
        for (const PrincipalAxis& a : r.axes) EXPECT_NEAR(Norm(a.cosines), 1, 1e-15);
        EXPECT_NEAR(Dot(r.axes[0].cosines, Cross(r.axes[1].cosines, r.axes[2].cosines)), 1, 1e-15);
    }
}

}  // namespace
}  // namespace tensorium

namespace tensorium {
namespace {

// A tensor whose axis has both shears zero decouples: that axis is exactly
// principal with its typed value, and the other pair is solved as the 2x2
// problem a student solves by hand, so decimal ties round as on paper.
struct DecoupledCase {
    StressState stress;
    const char *s1, *s2, *s3;
};

TEST(PrincipalStresses, DecoupledTensorsRoundLikeAHandCalculation)
{
    for (const DecoupledCase& c : {
             DecoupledCase{{-0.0025, 0.0665, -0.08353, 0, -0.0719, 0}, "0.095", "-0.003", "-0.112"},
             DecoupledCase{{0.0655, 0.0655, 0.0655, 0.115, 0, 0}, "0.181", "0.066", "-0.050"},
             DecoupledCase{{-0.8245, -0.8245, 0.6, -1.12, 0, 0}, "0.600", "0.296", "-1.945"},
         }) {
        const PrincipalResult r = ComputePrincipalStresses(c.stress, AzimuthConvention::azClockwiseFromNorth);
        EXPECT_EQ(FormatNumber(r.s1, 3, kEnglish), c.s1);
        EXPECT_EQ(FormatNumber(r.s2, 3, kEnglish), c.s2);
        EXPECT_EQ(FormatNumber(r.s3, 3, kEnglish), c.s3);
    }
}

TEST(PrincipalStresses, ADecoupledAxisKeepsItsTypedValueExactly)
{
    // x decouples (txy = tzx = 0), y (txy = tyz = 0) and z (tyz = tzx = 0).
    const struct {
        StressState stress;
        int axis;
        double value;
    } cases[] = {{{0.1, 7, -3, 0, 2.5, 0}, 0, 0.1},
                 {{4, 0.3, 9, 0, 0, -1.7}, 1, 0.3},
                 {{1e300, -2e300, 0.7e300, 3e299, 0, 0}, 2, 0.7e300}};
    for (const auto& c : cases) {
        const PrincipalResult r = ComputePrincipalStresses(c.stress, AzimuthConvention::azClockwiseFromNorth);
        int found = 0;
        for (int k = 0; k < 3; ++k) {
            const double value = k == 0 ? r.s1 : k == 1 ? r.s2 : r.s3;
            if (value != c.value) continue;
            ++found;
            EXPECT_EQ(std::fabs(r.axes[k].cosines[c.axis]), 1.0);
        }
        EXPECT_EQ(found, 1) << "axis " << c.axis;
        EXPECT_GE(r.s1, r.s2);
        EXPECT_GE(r.s2, r.s3);
    }
}

}  // namespace
}  // namespace tensorium
