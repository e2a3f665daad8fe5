#include "chart/chart_axis.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

TEST(ChartAxis, SymmetricFittingCentresTheRangeOnZero)
{
    TChartAxis axis;
    axis.SetSymmetric(true);
    for (const DataExtent extent :
         {DataExtent{0.0, 4.264}, DataExtent{-4.264, 4.264}, DataExtent{-0.7, 0.2}, DataExtent{3.0, 12.5}}) {
        const AxisScale scale = axis.Scale(extent);
        EXPECT_DOUBLE_EQ(scale.minimum, -scale.maximum);
        EXPECT_LE(scale.minimum, extent.low);
        EXPECT_GE(scale.maximum, extent.high);
        EXPECT_GE(scale.maximum, -extent.low);
    }
}

TEST(ChartAxis, WithoutSymmetryTheRangeFollowsTheData)
{
    TChartAxis axis;
    const AxisScale scale = axis.Scale(DataExtent{3.0, 12.5});
    EXPECT_GT(scale.minimum, 0.0);
    EXPECT_LE(scale.minimum, 3.0);
    EXPECT_GE(scale.maximum, 12.5);
}

TEST(ChartAxis, WithoutPointsTheAutomaticRangeIsMinusOneToOne)
{
    TChartAxis axis;
    const AxisScale scale = axis.Scale(std::nullopt);
    EXPECT_DOUBLE_EQ(scale.minimum, -1.0);
    EXPECT_DOUBLE_EQ(scale.maximum, 1.0);
}

TEST(ChartAxis, SettingARangeTurnsAutomaticFittingOff)
{
    TChartAxis axis;
    EXPECT_TRUE(axis.Automatic());
    axis.SetRange(-1.1, 1.1);
    EXPECT_FALSE(axis.Automatic());
    const AxisScale scale = axis.Scale(DataExtent{-50.0, 50.0});
    EXPECT_DOUBLE_EQ(scale.minimum, -1.1);
    EXPECT_DOUBLE_EQ(scale.maximum, 1.1);

    axis.SetAutomatic(true);
    EXPECT_LE(axis.Scale(DataExtent{-50.0, 50.0}).minimum, -50.0);
}

TEST(ChartAxis, MinorTickCountSetsTheMinorStep)
{
    TChartAxis axis;
    axis.SetRange(0.0, 10.0);
    axis.SetMinorTickCount(1);
    const AxisScale scale = axis.Scale(std::nullopt);
    const std::vector<double> minors = MinorTicks(scale, false);
    ASSERT_FALSE(minors.empty());
    EXPECT_DOUBLE_EQ(minors.front(), scale.majorStep / 2.0);
    EXPECT_EQ(minors.size(), MajorTicks(scale).size() - 1);
}

}  // namespace
}  // namespace tensorium
