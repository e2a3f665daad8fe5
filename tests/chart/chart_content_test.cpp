// What the chart draws as its series change: order, colours, hiding, clearing
// and ranges that collapse to a point.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/chart/chart_checks.h"
#include "tests/chart/example_charts.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

std::unique_ptr<TChart> EmptyChart()
{
    auto chart = std::make_unique<TChart>();
    chart->resize(300, 240);
    return chart;
}

TEST(ChartContent, LineRunsThroughThePointsInInsertionOrder)
{
    auto chart = EmptyChart();
    TChartSeries* line = chart->AddSeries("Series1", TChartSeries::Kind::Line);
    line->SetColour(QColor(0, 0, 255));
    const QPointF points[] = {{0.0, 0.0}, {2.0, 1.0}, {1.0, 2.0}, {3.0, -1.0}};
    for (const QPointF& p : points) line->Append(p.x(), p.y());

    const std::vector<SvgLine> drawn = ReadSvgShapes(chart->ToSvg()).Lines("#0000ff");
    ASSERT_EQ(drawn.size(), 1u);
    ASSERT_EQ(drawn[0].points.size(), 4);
    const QRectF target = WidgetRect(*chart);
    for (int i = 0; i < 4; ++i) {
        const QPointF expected = chart->ToTarget(target, points[i].x(), points[i].y());
        EXPECT_NEAR(drawn[0].points[i].x(), expected.x(), 0.01);
        EXPECT_NEAR(drawn[0].points[i].y(), expected.y(), 0.01);
    }
    EXPECT_GT(drawn[0].points[1].x(), drawn[0].points[2].x());
}

TEST(ChartContent, EachSegmentTakesItsStartPointsColour)
{
    auto chart = EmptyChart();
    TChartSeries* line = chart->AddSeries("Series1", TChartSeries::Kind::Line);
    line->SetColour(QColor(0, 255, 0));
    line->Append(0.0, 0.0, {}, QColor(255, 0, 0));
    line->Append(1.0, 1.0, {}, QColor(0, 0, 255));
    line->Append(2.0, 0.0);
    line->Append(3.0, 1.0);

    const SvgShapes svg = ReadSvgShapes(chart->ToSvg());
    const QRectF target = WidgetRect(*chart);
    const struct {
        const char* colour;
        int first, count;
    } runs[] = {{"#ff0000", 0, 2}, {"#0000ff", 1, 2}, {"#00ff00", 2, 2}};
    for (const auto& run : runs) {
        const std::vector<SvgLine> drawn = svg.Lines(run.colour);
        ASSERT_EQ(drawn.size(), 1u) << run.colour;
        ASSERT_EQ(drawn[0].points.size(), run.count) << run.colour;
        const ChartPoint& start = line->Points()[run.first];
        EXPECT_NEAR(QLineF(drawn[0].points[0], chart->ToTarget(target, start.x, start.y)).length(), 0.0,
                    0.01);
    }
}

TEST(ChartContent, HiddenSeriesIsNeitherDrawnNorFitted)
{
    auto chart = MakeMohrCircles();
    chart->findChild<TChartSeries*>("Series1")->SetVisible(false);
    const SvgShapes svg = ReadSvgShapes(chart->ToSvg());
    EXPECT_TRUE(svg.Lines("#ff0000").empty());
    EXPECT_EQ(svg.Lines("#00ff00").size(), 1u);

    const QRectF target = WidgetRect(*chart);
    ExpectPointsInsidePlot(*chart, target);
    // The hidden outer circle's top no longer fits: tau is fitted to the others.
    EXPECT_LT(chart->ToTarget(target, 4.530, 4.264).y(), chart->PlotRect(target).top());
}

TEST(ChartContent, ClearedChartFallsBackToMinusOneToOne)
{
    auto chart = MakeMohrCircles();
    for (TChartSeries* series : chart->Series()) series->Clear();
    const SvgShapes svg = ReadSvgShapes(chart->ToSvg());
    EXPECT_TRUE(svg.Lines("#ff0000").empty());
    EXPECT_TRUE(svg.Lines("#00ff00").empty());
    EXPECT_EQ(svg.Lines("#000000").size(), 2u);  // the axis lines alone

    const QRectF target = WidgetRect(*chart);
    const QRectF plot = chart->PlotRect(target);
    EXPECT_NEAR(QLineF(chart->ToTarget(target, -1.0, -1.0), plot.bottomLeft()).length(), 0.0, 1e-9);
    EXPECT_NEAR(QLineF(chart->ToTarget(target, 1.0, 1.0), plot.topRight()).length(), 0.0, 1e-9);
}

TEST(ChartContent, CirclesOfEqualStressesCollapseWithoutHarm)
{
    const MohrCircle points[3] = {{5.0, 0.0}, {5.0, 0.0}, {5.0, 0.0}};
    auto chart = MakeMohrCircles(points);
    const QRectF target = WidgetRect(*chart);
    const QPointF at = chart->ToTarget(target, 5.0, 0.0);
    EXPECT_TRUE(std::isfinite(at.x()) && std::isfinite(at.y()));
    ExpectPointsInsidePlot(*chart, target);
    EXPECT_NEAR(at.x(), chart->PlotRect(target).center().x(), 1e-6);

    const SvgShapes svg = ReadSvgShapes(chart->ToSvg());
    const std::vector<SvgLine> red = svg.Lines("#ff0000");
    ASSERT_EQ(red.size(), 1u);
    for (const QPointF& p : red[0].points) EXPECT_NEAR(QLineF(p, at).length(), 0.0, 0.01);

    const MohrCircle zero[3] = {{0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}};
    auto flat = MakeMohrCircles(zero);
    ExpectPointsInsidePlot(*flat, WidgetRect(*flat));
    EXPECT_FALSE(ReadSvgShapes(flat->ToSvg()).texts.empty());
}

TEST(ChartContent, EqualScalesGiveOneUnitTheSameLengthAcrossAndUp)
{
    auto chart = EmptyChart();
    chart->BottomAxis().SetRange(0.0, 2.0);
    chart->LeftAxis().SetRange(0.0, 1.0);
    const QRectF target = WidgetRect(*chart);
    const QRectF stretched = chart->PlotRect(target);
    EXPECT_GT(std::fabs(stretched.width() / stretched.height() - 2.0), 0.1);

    chart->SetEqualScales(true);
    const QRectF plot = chart->PlotRect(target);
    EXPECT_NEAR(plot.width(), 2.0 * plot.height(), 1e-9);
    EXPECT_TRUE(stretched.contains(plot));
}

TEST(ChartContent, MarkOfAPointAtTheTopRightCornerStaysInsideThePlot)
{
    auto chart = EmptyChart();
    chart->BottomAxis().SetRange(0.0, 1.0);
    chart->LeftAxis().SetRange(0.0, 1.0);
    TChartSeries* points = chart->AddSeries("Series1", TChartSeries::Kind::Point);
    points->SetMarksVisible(true);
    points->Append(1.0, 1.0, "s1");
    points->Append(0.5, 0.5, "s2");

    const SvgShapes svg = ReadSvgShapes(chart->ToSvg());
    const QRectF target = WidgetRect(*chart);
    const QRectF plot = chart->PlotRect(target);
    const SvgText* corner = svg.Text("s1");
    const SvgText* middle = svg.Text("s2");
    ASSERT_NE(corner, nullptr);
    ASSERT_NE(middle, nullptr);
    EXPECT_TRUE(Inside(plot, corner->start));
    EXPECT_LT(corner->start.x(), plot.right());
    // Away from the edges the mark sits up and to the right of its point.
    const QPointF centre = chart->ToTarget(target, 0.5, 0.5);
    EXPECT_GT(middle->start.x(), centre.x());
    EXPECT_LT(middle->start.y(), centre.y());
}

}  // namespace
}  // namespace tensorium::testing_support
