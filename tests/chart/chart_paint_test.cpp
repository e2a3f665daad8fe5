// One paint routine for every target: screen, larger images, SVG.
#include <gtest/gtest.h>

#include "tests/chart/chart_checks.h"
#include "tests/chart/example_charts.h"

namespace tensorium::testing_support {
namespace {

// The middle, in pixel coordinates, of the first grey or black line that
// column `x` crosses below `fromRow`; coloured and light pixels are skipped.
double FirstDarkLineBelow(const QImage& image, int x, int fromRow)
{
    double weight = 0.0, sum = 0.0;
    for (int row = fromRow; row < image.height(); ++row) {
        const QColor pixel = image.pixelColor(x, row);
        const bool dark = pixel.red() == pixel.green() && pixel.green() == pixel.blue() && pixel.red() < 160;
        if (!dark) {
            if (weight > 0.0) break;
            continue;
        }
        weight += 255 - pixel.red();
        sum += (255 - pixel.red()) * (row + 0.5);
    }
    return weight > 0.0 ? sum / weight : -1.0;
}

std::vector<std::unique_ptr<TChart>> BothCharts()
{
    std::vector<std::unique_ptr<TChart>> charts;
    charts.push_back(MakeEqualAreaNet());
    charts.push_back(MakeMohrCircles());
    return charts;
}

TEST(ChartPaint, TwiceTheSizeDrawsTheSameChartTwiceAsLarge)
{
    for (const auto& chart : BothCharts()) {
        SCOPED_TRACE(chart->objectName().toStdString());
        const QRectF one = WidgetRect(*chart);
        const QRectF two(0.0, 0.0, 2.0 * one.width(), 2.0 * one.height());
        const QRectF plot = chart->PlotRect(one);
        const QRectF plot2 = chart->PlotRect(two);
        EXPECT_NEAR(plot2.left(), 2.0 * plot.left(), 1e-9);
        EXPECT_NEAR(plot2.top(), 2.0 * plot.top(), 1e-9);
        EXPECT_NEAR(plot2.width(), 2.0 * plot.width(), 1e-9);
        EXPECT_NEAR(plot2.height(), 2.0 * plot.height(), 1e-9);
        const QPointF point = chart->ToTarget(one, 0.5, 0.5);
        const QPointF point2 = chart->ToTarget(two, 0.5, 0.5);
        EXPECT_NEAR(point2.x(), 2.0 * point.x(), 1e-9);
        EXPECT_NEAR(point2.y(), 2.0 * point.y(), 1e-9);
        ExpectPointsInsidePlot(*chart, two);

        // The first dark line below the plot's top edge, in the pixels
        // themselves, lies twice as far down.
        const int column = static_cast<int>(plot.left() + 0.45 * plot.width());
        const int below = static_cast<int>(plot.top()) + 3;
        const double line = FirstDarkLineBelow(Render(*chart, 1.0), column, below);
        const double line2 = FirstDarkLineBelow(Render(*chart, 2.0), 2 * column, 2 * below);
        ASSERT_GT(line, plot.top());
        EXPECT_NEAR(line2, 2.0 * line, 1.0);
    }
}

TEST(ChartPaint, TargetAwayFromTheOriginMovesTheWholeChart)
{
    const auto chart = MakeMohrCircles();
    const QRectF at(QPointF(0.0, 0.0), QSizeF(chart->size()));
    const QRectF moved = at.translated(50.0, 30.0);
    EXPECT_EQ(chart->PlotRect(moved), chart->PlotRect(at).translated(50.0, 30.0));
    EXPECT_EQ(chart->ToTarget(moved, 4.0, 1.0), chart->ToTarget(at, 4.0, 1.0) + QPointF(50.0, 30.0));

    QImage image(chart->width() + 100, chart->height() + 60, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    {
        QPainter painter(&image);
        chart->Paint(painter, moved);
    }
    // White inside the target, untouched outside it.
    EXPECT_EQ(image.pixel(49, 29), QColor(Qt::magenta).rgb());
    EXPECT_EQ(image.pixel(50, 30), QColor(Qt::white).rgb());
    EXPECT_EQ(image.pixel(50 + chart->width(), 30 + chart->height()), QColor(Qt::magenta).rgb());
}

TEST(ChartPaint, NothingReachesTheChartsEdges)
{
    for (const auto& chart : BothCharts()) {
        for (double factor : {1.0, 2.0}) {
            SCOPED_TRACE(chart->objectName().toStdString() + " x" + std::to_string(factor));
            const QImage image = Render(*chart, factor);
            const QRgb white = QColor(Qt::white).rgb();
            int marked = 0;
            for (int x = 0; x < image.width(); ++x) {
                marked += image.pixel(x, 0) != white;
                marked += image.pixel(x, image.height() - 1) != white;
            }
            for (int y = 0; y < image.height(); ++y) {
                marked += image.pixel(0, y) != white;
                marked += image.pixel(image.width() - 1, y) != white;
            }
            EXPECT_EQ(marked, 0);
        }
    }
}

TEST(ChartPaint, TheWidgetShowsWhatPaintDraws)
{
    for (const auto& chart : BothCharts()) {
        const QImage shown = chart->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage painted = Render(*chart, 1.0);
        ASSERT_EQ(shown.size(), painted.size());
        EXPECT_TRUE(shown == painted) << chart->objectName().toStdString();
    }
}

}  // namespace
}  // namespace tensorium::testing_support
