// Charts of values at the ends of the double range: the plot and every point
// stay finite, on screen, in larger images and in the SVG.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include <QLocale>

#include "chart/chart_text.h"
#include "tests/chart/chart_checks.h"
#include "tests/chart/example_charts.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

bool IsFinite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

bool IsFinite(const QRectF& r) { return IsFinite(r.topLeft()) && IsFinite(r.bottomRight()); }

// The plot lies inside the chart, every point on it, and the picture is
// drawn: the image holds the circles, the SVG their finite polylines.
void ExpectDrawnChart(const TChart& chart)
{
    for (const double factor : {1.0, 2.0}) {
        SCOPED_TRACE(factor);
        const QRectF target(0.0, 0.0, factor * chart.width(), factor * chart.height());
        const QRectF plot = chart.PlotRect(target);
        ASSERT_TRUE(IsFinite(plot));
        EXPECT_GT(plot.width(), 0.0);
        EXPECT_GT(plot.height(), 0.0);
        EXPECT_TRUE(target.adjusted(-kPixelSlack, -kPixelSlack, kPixelSlack, kPixelSlack).contains(plot));
        ExpectPointsInsidePlot(chart, target);
        for (const TChartSeries* series : chart.Series()) {
            for (const ChartPoint& point : series->Points())
                EXPECT_TRUE(IsFinite(chart.ToTarget(target, point.x, point.y))) << point.x << ", " << point.y;
        }
    }
    ExpectLinearMapping(chart);
    const QImage image = Render(chart, 1.0);
    EXPECT_NE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::magenta));

    const SvgShapes svg = ReadSvgShapes(chart.ToSvg());
    EXPECT_LT(svg.texts.size(), 60u) << "a bounded number of labels";
    int circles = 0;
    for (const SvgLine& line : svg.lines) {
        for (const QPointF& p : line.points) EXPECT_TRUE(IsFinite(p)) << line.stroke.toStdString();
        if (line.tag == "polyline" && line.points.size() == 91) ++circles;
    }
    EXPECT_EQ(circles, 3);
}

TEST(ExtremeValues, MohrCirclesAtTheTopOfTheDoubleRangeAreDrawn)
{
    const MohrCircle cases[][3] = {
        {{8.5e307, 8.5e307}, {8.5e307, 8.4e307}, {1.0, 1.0}},       // s1 = 1.7e308
        {{8.95e307, 8.95e307}, {8.95e307, 8.9e307}, {1.0, 1.0}},    // s1 = 1.79e308
        {{-8.5e307, 8.5e307}, {-8.5e307, 8.4e307}, {-1.0, 1.0}},    // s3 = -1.7e308
        {{0.0, 1.7e308}, {8.5e307, 8.5e307}, {-8.5e307, 8.5e307}},  // sigma wider than a double
        {{0.0, DBL_MAX}, {0.5 * DBL_MAX, 0.5 * DBL_MAX}, {-0.5 * DBL_MAX, 0.5 * DBL_MAX}},
        {{1.7e308, 0.0}, {1.7e308, 0.0}, {1.7e308, 0.0}},  // all three at one point
        {{-DBL_MAX, 0.0}, {-DBL_MAX, 0.0}, {-DBL_MAX, 0.0}},
    };
    for (const auto& circles : cases) {
        SCOPED_TRACE(testing::Message() << circles[0].centre << " r " << circles[0].radius);
        ExpectDrawnChart(*MakeMohrCircles(circles));
    }
}

TEST(ExtremeValues, MohrCirclesOfSubnormalStressesAreDrawn)
{
    const MohrCircle cases[][3] = {
        {{2.5e-323, 2.5e-323}, {2e-323, 1.5e-323}, {1e-323, 1e-323}},
        {{DBL_TRUE_MIN, DBL_TRUE_MIN}, {DBL_TRUE_MIN, 0.0}, {0.0, DBL_TRUE_MIN}},
        {{0.0, DBL_MIN}, {0.0, 0.5 * DBL_MIN}, {0.5 * DBL_MIN, 0.5 * DBL_MIN}},
    };
    for (const auto& circles : cases) {
        SCOPED_TRACE(testing::Message() << circles[0].centre << " r " << circles[0].radius);
        ExpectDrawnChart(*MakeMohrCircles(circles));
    }
}

TEST(ExtremeValues, EqualScalesOfAHugeAndATinyRangeKeepAFinitePlot)
{
    const double ranges[][4] = {{-DBL_MAX, DBL_MAX, -1.0, 1.0},
                                {-1.0, 1.0, -DBL_MAX, DBL_MAX},
                                {-DBL_MAX, DBL_MAX, -DBL_MAX, DBL_MAX},
                                {0.0, 1e-300, 0.0, 2e-300},
                                {0.0, DBL_MAX, 0.0, 1e-300},
                                {0.0, DBL_TRUE_MIN, 0.0, DBL_MAX}};
    for (const auto& r : ranges) {
        SCOPED_TRACE(testing::Message() << r[0] << ".." << r[1] << " by " << r[2] << ".." << r[3]);
        TChart chart;
        chart.resize(300, 200);
        chart.SetEqualScales(true);
        chart.BottomAxis().SetRange(r[0], r[1]);
        chart.LeftAxis().SetRange(r[2], r[3]);
        const QRectF target = WidgetRect(chart);
        const QRectF plot = chart.PlotRect(target);
        ASSERT_TRUE(IsFinite(plot));
        EXPECT_GE(plot.width(), 0.0);
        EXPECT_GE(plot.height(), 0.0);
        EXPECT_GT(std::max(plot.width(), plot.height()), 100.0) << "the longer side keeps the room";
        EXPECT_TRUE(target.contains(plot.center()));
        EXPECT_TRUE(IsFinite(chart.ToTarget(target, r[1], r[3])));
        Render(chart, 1.0);
    }
}

TEST(ExtremeValues, LabelsOfHugeAndTinyTicksAreShortAndReadBackAsTheTicks)
{
    const double ranges[][2] = {
        {0.266, 1.7e308},    {-1.79e308, 1.79e308}, {-DBL_MAX, DBL_MAX}, {1e308, 1.0000001e308},
        {0.0, DBL_TRUE_MIN}, {1e-20, 3e-20},        {2e15, 3e15},        {0.0, 9.0}};
    for (const auto& range : ranges) {
        SCOPED_TRACE(testing::Message() << range[0] << ".." << range[1]);
        const AxisScale scale = FitScale(range[0], range[1], 4);
        const std::vector<double> ticks = MajorTicks(scale);
        const std::vector<QString> labels = AxisLabels(scale);
        ASSERT_EQ(labels.size(), ticks.size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_LE(labels[i].size(), 20) << labels[i].toStdString();
            bool number = false;
            const double value = QLocale().toDouble(labels[i], &number);
            ASSERT_TRUE(number) << labels[i].toStdString();
            EXPECT_LE(std::fabs(value - ticks[i]), 1e-6 * scale.majorStep) << labels[i].toStdString();
            if (i > 0) {
                EXPECT_NE(labels[i], labels[i - 1]);
            }
        }
    }
}

}  // namespace
}  // namespace tensorium::testing_support
