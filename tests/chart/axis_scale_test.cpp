#include "chart/axis_scale.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace tensorium {
namespace {

// True when `step` is 1, 2 or 5 times a power of ten.
bool IsNiceStep(double step)
{
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / power;
    for (double nice : {1.0, 2.0, 5.0}) {
        if (std::fabs(mantissa - nice) < 1e-9) return true;
    }
    return false;
}

double SmallerNiceStep(double step)
{
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = std::round(step / power);
    return mantissa == 5.0 ? 2.0 * power : 0.5 * step;
}

bool IsMultiple(double value, double step)
{
    const double ratio = value / step;
    return std::fabs(ratio - std::round(ratio)) < 1e-9;
}

TEST(AxisScale, FittedRangeCoversTheValuesWithNiceEndsAndAtMostTenSteps)
{
    const double ranges[][2] = {{0.266, 8.793},  {-4.264, 4.264}, {0.0, 1.0},   {-0.0031, 0.0007},
                                {120.5, 1234.0}, {-7.5, -2.25},   {1e-6, 3e-6}, {0.3, 0.9}};
    for (const auto& range : ranges) {
        const AxisScale scale = FitScale(range[0], range[1], 4);
        SCOPED_TRACE(testing::Message() << range[0] << ".." << range[1]);
        EXPECT_LE(scale.minimum, range[0]);
        EXPECT_GE(scale.maximum, range[1]);
        EXPECT_TRUE(IsNiceStep(scale.majorStep)) << scale.majorStep;
        EXPECT_TRUE(IsMultiple(scale.minimum, scale.majorStep)) << scale.minimum;
        EXPECT_TRUE(IsMultiple(scale.maximum, scale.majorStep)) << scale.maximum;
        const double steps = scale.Span() / scale.majorStep;
        EXPECT_LE(steps, 10.0 + 1e-9);
        // The next smaller nice step would have needed more than ten steps.
        const double smaller = SmallerNiceStep(scale.majorStep);
        const double needed = std::ceil(range[1] / smaller - 1e-9) - std::floor(range[0] / smaller + 1e-9);
        EXPECT_GT(needed, 10.0) << smaller;
    }
}

TEST(AxisScale, FittedRangeOfMohrSigmaIsZeroToNineInUnitSteps)
{
    const AxisScale scale = FitScale(4.530 - 4.264, 4.530 + 4.264, 4);
    EXPECT_DOUBLE_EQ(scale.minimum, 0.0);
    EXPECT_DOUBLE_EQ(scale.maximum, 9.0);
    EXPECT_DOUBLE_EQ(scale.majorStep, 1.0);
}

TEST(AxisScale, FixedRangeIsKeptAsGiven)
{
    const AxisScale scale = FixedScale(-1.1, 1.1, 4);
    EXPECT_DOUBLE_EQ(scale.minimum, -1.1);
    EXPECT_DOUBLE_EQ(scale.maximum, 1.1);
    EXPECT_DOUBLE_EQ(scale.majorStep, 0.5);
    const std::vector<double> majors = MajorTicks(scale);
    ASSERT_EQ(majors.size(), 5u);
    EXPECT_DOUBLE_EQ(majors.front(), -1.0);
    EXPECT_DOUBLE_EQ(majors[2], 0.0);
    EXPECT_DOUBLE_EQ(majors.back(), 1.0);
}

TEST(AxisScale, MinorTicksSplitEachMajorStepEvenly)
{
    const AxisScale scale = FixedScale(-1.1, 1.1, 4);
    const std::vector<double> all = MinorTicks(scale, true);
    const std::vector<double> between = MinorTicks(scale, false);
    // Tenths from -1.1 to 1.1, with and without the five majors.
    ASSERT_EQ(all.size(), 23u);
    EXPECT_EQ(between.size(), 18u);
    for (std::size_t i = 1; i < all.size(); ++i) EXPECT_NEAR(all[i] - all[i - 1], 0.1, 1e-12);
    for (double tick : between) EXPECT_FALSE(IsMultiple(tick, 0.5)) << tick;
}

TEST(AxisScale, DegenerateRangeIsWidenedAroundItsValue)
{
    double low = 5.0, high = 5.0;
    WidenDegenerate(low, high);
    EXPECT_LT(low, 5.0);
    EXPECT_GT(high, 5.0);
    EXPECT_DOUBLE_EQ(0.5 * (low + high), 5.0);

    low = high = 0.0;
    WidenDegenerate(low, high);
    EXPECT_LT(low, 0.0);
    EXPECT_GT(high, 0.0);

    const AxisScale scale = FitScale(-3.0, -3.0, 4);
    EXPECT_GT(scale.Span(), 0.0);
    EXPECT_LE(scale.minimum, -3.0);
    EXPECT_GE(scale.maximum, -3.0);
}

TEST(AxisScale, LabelsShowAsManyDecimalsAsTheStepNeeds)
{
    EXPECT_EQ(LabelDecimals(500.0), 0);
    EXPECT_EQ(LabelDecimals(2.0), 0);
    EXPECT_EQ(LabelDecimals(0.5), 1);
    EXPECT_EQ(LabelDecimals(0.02), 2);
}

// A fitted or fixed scale that a chart can draw: finite ends around the data,
// a nice finite step and a small number of finite, ascending ticks inside it.
// A fixed range narrower than the smallest nice step (1e-307) may hold no tick.
void ExpectDrawable(const AxisScale& scale, double low, double high, bool mayLackTicks = false)
{
    EXPECT_TRUE(std::isfinite(scale.minimum)) << scale.minimum;
    EXPECT_TRUE(std::isfinite(scale.maximum)) << scale.maximum;
    EXPECT_LE(scale.minimum, std::min(low, high));
    EXPECT_GE(scale.maximum, std::max(low, high));
    EXPECT_LT(scale.minimum, scale.maximum);
    ASSERT_TRUE(std::isfinite(scale.majorStep) && scale.majorStep > 0.0) << scale.majorStep;
    EXPECT_TRUE(IsNiceStep(scale.majorStep)) << scale.majorStep;

    for (const bool minor : {false, true}) {
        const std::vector<double> ticks = minor ? MinorTicks(scale, true) : MajorTicks(scale);
        SCOPED_TRACE(minor ? "minor ticks" : "major ticks");
        if (!mayLackTicks) {
            EXPECT_FALSE(ticks.empty());
        }
        EXPECT_LE(ticks.size(), minor ? 60u : 12u);
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            EXPECT_TRUE(std::isfinite(ticks[i])) << ticks[i];
            // Within the slack that keeps exact multiples exact.
            const double slack = 1e-9 * scale.majorStep;
            EXPECT_GE(ticks[i], scale.minimum - slack);
            EXPECT_LE(ticks[i], scale.maximum + slack);
            if (i > 0) {
                EXPECT_GT(ticks[i], ticks[i - 1]);
            }
        }
    }
    const int decimals = LabelDecimals(scale.majorStep);
    EXPECT_GE(decimals, 0);
    EXPECT_LE(decimals, 330);
}

// Ranges at the ends of the double range: both signs, widths that overflow,
// no width at all, and widths of a few subnormals.
const double kExtremeRanges[][2] = {
    {0.266, 1.7e308},
    {0.266, 1.79e308},
    {-1.79e308, -0.266},
    {-1.7e308, 1.7e308},
    {-1.79e308, 1.79e308},
    {-DBL_MAX, DBL_MAX},
    {-DBL_MAX, 0.0},
    {0.9 * DBL_MAX, DBL_MAX},
    {DBL_MAX, DBL_MAX},
    {-DBL_MAX, -DBL_MAX},
    {1.7e308, 1.7e308},
    {1e308, 1.0000001e308},
    {-DBL_MAX, -1.7e308},
    {8.5e307, 1.79e308},
    {0.0, DBL_TRUE_MIN},
    {-DBL_TRUE_MIN, DBL_TRUE_MIN},
    {DBL_TRUE_MIN, DBL_TRUE_MIN},
    {-DBL_TRUE_MIN, -DBL_TRUE_MIN},
    {1e-320, 3e-320},
    {DBL_MIN, 2 * DBL_MIN},
    {-DBL_MIN, DBL_MIN},
    {1e-310, 1e-300},
    {1.0, 1.0 + DBL_EPSILON},
    {-1e-300, 1e-300},
};

TEST(AxisScale, FittingEndsWithAFiniteScaleAtTheEndsOfTheDoubleRange)
{
    for (const auto& range : kExtremeRanges) {
        SCOPED_TRACE(testing::Message() << range[0] << ".." << range[1]);
        ExpectDrawable(FitScale(range[0], range[1], 4), range[0], range[1]);
        ExpectDrawable(FitScale(range[1], range[0], 4), range[0], range[1]);
    }
}

TEST(AxisScale, HugeRangesStillTakeAtMostTenSteps)
{
    for (const auto& range : kExtremeRanges) {
        if (std::fabs(range[0]) < 1e300 && std::fabs(range[1]) < 1e300) continue;
        SCOPED_TRACE(testing::Message() << range[0] << ".." << range[1]);
        const AxisScale scale = FitScale(range[0], range[1], 4);
        // Halved, so that a width beyond the double range can be measured.
        const double steps = (0.5 * scale.maximum - 0.5 * scale.minimum) / (0.5 * scale.majorStep);
        EXPECT_LE(steps, 10.0 + 1e-9);
        EXPECT_GE(MajorTicks(scale).size(), 2u);
    }
}

TEST(AxisScale, AWidthOverflowingADoubleKeepsASymmetricRangeSymmetric)
{
    for (const double reach : {1.7e308, 1.79e308, DBL_MAX, 0.5 * DBL_MAX}) {
        SCOPED_TRACE(reach);
        const AxisScale scale = FitScale(-reach, reach, 4);
        ExpectDrawable(scale, -reach, reach);
        EXPECT_EQ(scale.minimum, -scale.maximum);
        const std::vector<double> ticks = MajorTicks(scale);
        ASSERT_EQ(ticks.size() % 2, 1u);
        EXPECT_EQ(ticks[ticks.size() / 2], 0.0);
    }
}

TEST(AxisScale, FixedRangesAtTheEndsOfTheDoubleRangeGetAFiniteStep)
{
    for (const auto& range : kExtremeRanges) {
        SCOPED_TRACE(testing::Message() << range[0] << ".." << range[1]);
        const AxisScale scale = FixedScale(range[0], range[1], 4);
        double low = range[0], high = range[1];
        WidenDegenerate(low, high);
        EXPECT_EQ(scale.minimum, low);
        EXPECT_EQ(scale.maximum, high);
        ExpectDrawable(scale, range[0], range[1], high / 2 - low / 2 < 0.5e-307);
    }
}

TEST(AxisScale, ADegenerateRangeAtTheTopStaysFinite)
{
    for (const double value : {DBL_MAX, -DBL_MAX, 1.7e308, DBL_TRUE_MIN, -DBL_TRUE_MIN}) {
        SCOPED_TRACE(value);
        double low = value, high = value;
        WidenDegenerate(low, high);
        EXPECT_TRUE(std::isfinite(low) && std::isfinite(high));
        EXPECT_LT(low, high);
        EXPECT_LE(low, value);
        EXPECT_GE(high, value);
    }
}

TEST(AxisScale, HandMadeScalesWithAnUnusableStepGiveNoTicks)
{
    // A step of zero, beyond the double range, or far too small for the
    // range would otherwise ask for endless or astronomically many ticks.
    const double unusable[] = {0.0, -1.0, HUGE_VAL, std::nan(""), 1e-300, DBL_TRUE_MIN};
    for (const double step : unusable) {
        SCOPED_TRACE(step);
        AxisScale scale;
        scale.majorStep = step;
        EXPECT_TRUE(MajorTicks(scale).empty());
        EXPECT_TRUE(MinorTicks(scale, true).empty());
        if (!(step > 0.0) || !std::isfinite(step)) {
            EXPECT_EQ(LabelDecimals(step), 0);
        }
    }
    // Multiples of 1 beyond the integers a double counts exactly.
    AxisScale far;
    far.minimum = far.maximum = 1e300;
    far.majorStep = 1.0;
    EXPECT_TRUE(MajorTicks(far).empty()) << "a step of 1 is too fine to count up to 1e300";
    AxisScale many;
    many.minorPerMajor = 2147483647;
    EXPECT_TRUE(MinorTicks(many, false).empty());
    EXPECT_EQ(MajorTicks(many).size(), 5u);
}

}  // namespace
}  // namespace tensorium
