#include "chart/chart_series.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

namespace tensorium {
namespace {

TEST(ChartSeries, KeepsPointsInTheOrderTheyCame)
{
    TChartSeries series(TChartSeries::Kind::Line, nullptr);
    const double xs[] = {3.0, -1.0, 2.0, 0.5};
    for (double x : xs) series.Append(x, 2.0 * x);
    ASSERT_EQ(series.Points().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(series.Points()[i].x, xs[i]);
        EXPECT_DOUBLE_EQ(series.Points()[i].y, 2.0 * xs[i]);
    }
}

TEST(ChartSeries, TheSinkAddsLabelAndOwnColour)
{
    TChartSeries series(TChartSeries::Kind::Point, nullptr);
    series.SetColour(QColor(0, 128, 0));
    SeriesSink& sink = series;
    sink.Add(0.25, -0.5, "x'", Rgb{255, 0, 0});
    sink.Add(1.0, 1.0, "s1", std::nullopt);
    ASSERT_EQ(series.Points().size(), 2u);
    EXPECT_EQ(series.Points()[0].label, QString("x'"));
    EXPECT_EQ(series.Points()[1].label, QString("s1"));
    EXPECT_EQ(series.PointColour(0), QColor(255, 0, 0));
    EXPECT_EQ(series.PointColour(1), QColor(0, 128, 0));
}

TEST(ChartSeries, ClearEmptiesAndVisibilityFollowsTheSink)
{
    TChartSeries series(TChartSeries::Kind::Line, nullptr);
    SeriesSink& sink = series;
    sink.Add(1.0, 2.0, "", std::nullopt);
    sink.Clear();
    EXPECT_TRUE(series.Points().empty());
    EXPECT_TRUE(series.Visible());
    sink.SetVisible(false);
    EXPECT_FALSE(series.Visible());
}

TEST(ChartSeries, EveryChangeIsAnnouncedForARepaint)
{
    TChartSeries series(TChartSeries::Kind::Line, nullptr);
    QSignalSpy changed(&series, &TChartSeries::Changed);
    series.Add(1.0, 2.0, "", std::nullopt);
    series.SetVisible(false);
    series.Clear();
    series.SetColour(Qt::red);
    EXPECT_EQ(changed.count(), 4);
}

TEST(ChartSeries, MarksUseArialOfTheGivenPixelHeight)
{
    TChartSeries series(TChartSeries::Kind::Point, nullptr);
    series.SetMarksPixelSize(16);
    EXPECT_EQ(series.MarksFont().family(), QString("Arial"));
    EXPECT_EQ(series.MarksFont().pixelSize(), 16);
    EXPECT_EQ(series.MarksColour(), QColor(Qt::black));
}

}  // namespace
}  // namespace tensorium
