#include "chart/axis_scale.h"

#include <gtest/gtest.h>

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
    const double ranges[][2] = {{0.266, 8.793}, {-4.264, 4.264}, {0.0, 1.0},      {-0.0031, 0.0007},
                                {120.5, 1234.0}, {-7.5, -2.25},  {1e-6, 3e-6},    {0.3, 0.9}};
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

}  // namespace
}  // namespace tensorium
