// The Mohr circles as their SVG shows them.
#include <gtest/gtest.h>

#include <QSet>

#include <algorithm>
#include <cmath>

#include "tests/chart/chart_checks.h"
#include "tests/chart/example_charts.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

class MohrChart : public ::testing::Test {
protected:
    std::unique_ptr<TChart> chart = MakeMohrCircles();
    QRectF target = WidgetRect(*chart);
    QRectF plot = chart->PlotRect(target);
    SvgShapes svg = ReadSvgShapes(chart->ToSvg());

    // Numbers written left of the plot (tau) or below it (sigma). The lowest
    // tau label is centred on the plot's bottom, so its baseline lies a few px
    // below it; sigma baselines lie a whole label height below.
    std::vector<SvgText> Labels(bool left) const
    {
        std::vector<SvgText> found;
        for (const SvgText& text : svg.texts) {
            bool number = false;
            text.text.toDouble(&number);
            if (!number || text.turned) continue;
            const bool below = text.start.y() > plot.bottom() + 9.0;
            if (left ? !below && text.start.x() < plot.left() : below) found.push_back(text);
        }
        return found;
    }
};

TEST_F(MohrChart, EachCircleIsOnePolylineInItsColour)
{
    for (const QString colour : {"#ff0000", "#000000", "#00ff00"}) {
        int circles = 0;
        for (const SvgLine& line : svg.Lines(colour)) {
            if (line.tag == "polyline" && line.points.size() == 91) ++circles;
        }
        EXPECT_EQ(circles, 1) << colour.toStdString();
    }
    EXPECT_EQ(svg.Lines("#ff0000").size(), 1u);
    EXPECT_EQ(svg.Lines("#00ff00").size(), 1u);
    // Black: the middle circle and the two axis lines.
    EXPECT_EQ(svg.Lines("#000000").size(), 3u);
}

TEST_F(MohrChart, EveryPointOfEveryCircleIsInsideThePlot)
{
    ExpectPointsInsidePlot(*chart, target);
    for (const QString colour : {"#ff0000", "#000000", "#00ff00"}) {
        for (const SvgLine& line : svg.Lines(colour)) {
            for (const QPointF& point : line.points) EXPECT_TRUE(Inside(plot, point)) << colour.toStdString();
        }
    }
}

TEST_F(MohrChart, TauRangeIsSymmetricSoTheSigmaAxisIsAtTauZero)
{
    const double zero = chart->ToTarget(target, 3.0, 0.0).y();
    EXPECT_NEAR(zero, plot.center().y(), 1e-9);
    int sigmaAxis = 0;
    for (const SvgLine& line : svg.Lines("#000000")) {
        if (line.points.size() == 2 && std::fabs(line.points[0].y() - zero) < 0.01 &&
            std::fabs(line.points[1].y() - zero) < 0.01)
            ++sigmaAxis;
    }
    EXPECT_EQ(sigmaAxis, 1);

    const std::vector<SvgText> tau = Labels(true);
    ASSERT_GE(tau.size(), 3u);
    QSet<double> values;
    for (const SvgText& label : tau) values.insert(label.text.toDouble());
    EXPECT_TRUE(values.contains(0.0));
    for (double value : values) EXPECT_TRUE(values.contains(-value)) << value;
    // The largest shear stress fits under the top label.
    EXPECT_GE(*std::max_element(values.begin(), values.end()), 4.264);
}

TEST_F(MohrChart, EachGridLineHasItsLabel)
{
    int vertical = 0, horizontal = 0;
    for (const SvgLine& line : svg.Lines("#c0c0c0")) {
        ASSERT_EQ(line.points.size(), 2);
        if (std::fabs(line.points[0].x() - line.points[1].x()) < 1e-6)
            ++vertical;
        else
            ++horizontal;
    }
    EXPECT_EQ(vertical, static_cast<int>(Labels(false).size()));
    EXPECT_EQ(horizontal, static_cast<int>(Labels(true).size()));
    // Sigma labels grow from left to right under their grid lines.
    std::vector<SvgText> sigma = Labels(false);
    std::sort(sigma.begin(), sigma.end(),
              [](const SvgText& a, const SvgText& b) { return a.start.x() < b.start.x(); });
    for (std::size_t i = 1; i < sigma.size(); ++i) {
        EXPECT_GT(sigma[i].text.toDouble(), sigma[i - 1].text.toDouble());
        EXPECT_GT(sigma[i].start.x(), sigma[i - 1].start.x());
    }
}

TEST_F(MohrChart, TitlesSitOutsideTheLabels)
{
    const SvgText* sigma = svg.Text("sigma");
    const SvgText* tau = svg.Text("tau");
    ASSERT_NE(sigma, nullptr);
    ASSERT_NE(tau, nullptr);
    EXPECT_FALSE(sigma->turned);
    EXPECT_TRUE(tau->turned);
    for (const SvgText& label : Labels(false)) EXPECT_GT(sigma->start.y(), label.start.y());
    for (const SvgText& label : Labels(true)) EXPECT_LT(tau->start.x(), label.start.x());
    // Centred: the title starts a little left of the plot's middle.
    EXPECT_LT(sigma->start.x(), plot.center().x());
    EXPECT_GT(sigma->start.x(), plot.center().x() - 40.0);
    // Turned upwards, tau starts below the plot's middle.
    EXPECT_GT(tau->start.y(), plot.center().y());
    EXPECT_LT(tau->start.y(), plot.center().y() + 40.0);
}

TEST_F(MohrChart, EveryTextStartsInsideTheChart)
{
    ASSERT_FALSE(svg.texts.empty());
    for (const SvgText& text : svg.texts) {
        EXPECT_TRUE(target.contains(text.start)) << text.text.toStdString();
    }
}

}  // namespace
}  // namespace tensorium::testing_support
