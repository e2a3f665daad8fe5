// The equal-area net as its SVG shows it.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "tests/chart/chart_checks.h"
#include "tests/chart/example_charts.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

class EqualAreaNet : public ::testing::Test {
protected:
    std::unique_ptr<TChart> chart = MakeEqualAreaNet();
    QRectF target = WidgetRect(*chart);
    SvgShapes svg = ReadSvgShapes(chart->ToSvg());

    TChartSeries* Series(const char* name) const { return chart->findChild<TChartSeries*>(name); }
};

// Runs of segments of one colour, counted over every line series.
std::map<QString, int> ColourRuns(const TChart& chart)
{
    std::map<QString, int> runs;
    for (const TChartSeries* series : chart.Series()) {
        if (series->GetKind() != TChartSeries::Kind::Line) continue;
        for (std::size_t i = 0; i + 1 < series->Points().size(); ++i) {
            if (i == 0 || series->PointColour(i) != series->PointColour(i - 1))
                ++runs[series->PointColour(i).name()];
        }
    }
    return runs;
}

TEST_F(EqualAreaNet, EachRunOfOneColourIsOnePolyline)
{
    const std::map<QString, int> runs = ColourRuns(*chart);
    ASSERT_EQ(runs.size(), 3u);  // black primitive, red and blue great circles
    for (const auto& [colour, count] : runs) {
        int drawn = 0;
        for (const SvgLine& line : svg.Lines(colour)) {
            if (line.tag == "polyline" && line.points.size() > 2) ++drawn;
        }
        EXPECT_EQ(drawn, count) << colour.toStdString();
    }
}

TEST_F(EqualAreaNet, PrimitiveCircleIsDrawnThroughItsPointsAndIsRound)
{
    const TChartSeries* primitive = Series("Series1");
    ASSERT_NE(primitive, nullptr);
    const std::vector<SvgLine> black = svg.Lines("#000000");
    const SvgLine* drawn = nullptr;
    for (const SvgLine& line : black) {
        if (line.points.size() == static_cast<int>(primitive->Points().size())) drawn = &line;
    }
    ASSERT_NE(drawn, nullptr);
    const QPointF centre = chart->ToTarget(target, 0.0, 0.0);
    const double radius = QLineF(centre, drawn->points[0]).length();
    EXPECT_NEAR(radius, chart->PlotRect(target).width() / 2.2, 0.01);
    for (int i = 0; i < drawn->points.size(); ++i) {
        const ChartPoint& point = primitive->Points()[i];
        EXPECT_NEAR(QLineF(drawn->points[i], chart->ToTarget(target, point.x, point.y)).length(), 0.0, 0.01);
        EXPECT_NEAR(QLineF(centre, drawn->points[i]).length(), radius, 0.01);
    }
}

TEST_F(EqualAreaNet, PlotIsSquareCentredAndInsideTheMargins)
{
    const QRectF plot = chart->PlotRect(target);
    EXPECT_NEAR(plot.width(), plot.height(), 1e-9);
    EXPECT_NEAR(plot.center().x(), target.center().x(), 1.0);
    EXPECT_GE(plot.top(), 0.03 * target.height());
    EXPECT_LE(plot.bottom(), 0.97 * target.height());
    // The room kept for the hidden labels is small: the plot nearly fills the height.
    EXPECT_GT(plot.height(), 0.9 * target.height());
    ExpectPointsInsidePlot(*chart, target);
}

TEST_F(EqualAreaNet, AxesCrossAtTheCentre)
{
    const QPointF centre = chart->ToTarget(target, 0.0, 0.0);
    EXPECT_NEAR(centre.x(), chart->PlotRect(target).center().x(), 1e-9);
    EXPECT_NEAR(centre.y(), chart->PlotRect(target).center().y(), 1e-9);
    int throughCentre = 0;
    for (const SvgLine& line : svg.Lines("#000000")) {
        if (line.points.size() != 2) continue;
        const QLineF axis(line.points[0], line.points[1]);
        const bool horizontal = std::fabs(axis.dy()) < 1e-6 && std::fabs(axis.y1() - centre.y()) < 0.01;
        const bool vertical = std::fabs(axis.dx()) < 1e-6 && std::fabs(axis.x1() - centre.x()) < 0.01;
        if (horizontal || vertical) ++throughCentre;
    }
    EXPECT_EQ(throughCentre, 2);
}

TEST_F(EqualAreaNet, OnlyTheDottedMinorGridIsDrawn)
{
    const std::size_t perAxis = MinorTicks(chart->BottomAxis().Scale(std::nullopt), true).size();
    EXPECT_EQ(svg.Lines("#c0c0c0", true).size(), 2 * perAxis);
    for (const SvgLine& line : svg.Lines("#c0c0c0", false)) EXPECT_EQ(line.tag, "path");  // crosses only
}

TEST_F(EqualAreaNet, EveryAxisPointHasASilverCross)
{
    const TChartSeries* axes = Series("Series4");
    ASSERT_NE(axes, nullptr);
    const std::vector<SvgLine> crosses = svg.Lines("#c0c0c0", false);
    ASSERT_EQ(crosses.size(), axes->Points().size());
    for (std::size_t i = 0; i < crosses.size(); ++i) {
        const QPointF centre = chart->ToTarget(target, axes->Points()[i].x, axes->Points()[i].y);
        const QRectF bounds = crosses[i].points.boundingRect();
        EXPECT_NEAR(bounds.center().x(), centre.x(), 0.01);
        EXPECT_NEAR(bounds.center().y(), centre.y(), 0.01);
        EXPECT_NEAR(bounds.width(), 10.0, 0.01);
        EXPECT_NEAR(bounds.height(), 10.0, 0.01);
    }
}

TEST_F(EqualAreaNet, MarksAndTheNorthMarkAreTheOnlyTextsAndStayInsideThePlot)
{
    const TChartSeries* axes = Series("Series4");
    ASSERT_NE(axes, nullptr);
    EXPECT_EQ(svg.texts.size(), axes->Points().size() + 1);
    ASSERT_NE(svg.Text("N"), nullptr);
    const QRectF plot = chart->PlotRect(target);
    for (const ChartPoint& point : axes->Points()) {
        const SvgText* text = svg.Text(point.label);
        ASSERT_NE(text, nullptr) << point.label.toStdString();
        EXPECT_TRUE(Inside(plot, text->start)) << point.label.toStdString();
    }
    // x' sits on the primitive's right edge: its mark moves to the left of it.
    const SvgText* east = svg.Text("x'");
    ASSERT_NE(east, nullptr);
    EXPECT_LT(east->start.x(), chart->ToTarget(target, 1.0, 0.0).x());
}

}  // namespace
}  // namespace tensorium::testing_support
