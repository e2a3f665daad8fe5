// Checks shared by the chart tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <QImage>
#include <QRectF>

#include "chart/tchart.h"

namespace tensorium::testing_support {

// SVG coordinates are written with six significant digits.
constexpr double kPixelSlack = 0.01;

inline QRectF WidgetRect(const TChart& chart) { return QRectF(QPointF(0.0, 0.0), QSizeF(chart.size())); }

inline bool Inside(const QRectF& rect, const QPointF& point)
{
    return rect.adjusted(-kPixelSlack, -kPixelSlack, kPixelSlack, kPixelSlack).contains(point);
}

// Every point of every visible series lands inside the plot of `target`.
inline void ExpectPointsInsidePlot(const TChart& chart, const QRectF& target)
{
    const QRectF plot = chart.PlotRect(target);
    for (const TChartSeries* series : chart.Series()) {
        if (!series->Visible()) continue;
        for (const ChartPoint& point : series->Points()) {
            EXPECT_TRUE(Inside(plot, chart.ToTarget(target, point.x, point.y)))
                << series->objectName().toStdString() << " (" << point.x << ", " << point.y << ")";
        }
    }
}

// The mapping onto the plot is linear on each axis: every point of a series
// lies as far between the series' extreme points on the plot as its values
// lie between their extreme values (halved where a width overflows).
inline void ExpectLinearMapping(const TChart& chart)
{
    const QRectF target(0.0, 0.0, chart.width(), chart.height());
    auto fraction = [](double v, double low, double high) {
        if (std::isfinite(high - low)) return (v - low) / (high - low);  // exact for subnormal values
        return (v / 2 - low / 2) / (high / 2 - low / 2);
    };
    for (const TChartSeries* series : chart.Series()) {
        const std::vector<ChartPoint>& points = series->Points();
        if (points.size() < 2) continue;
        std::vector<QPointF> mapped;
        for (const ChartPoint& p : points) mapped.push_back(chart.ToTarget(target, p.x, p.y));
        const auto byX = std::minmax_element(points.begin(), points.end(),
                                             [](const auto& a, const auto& b) { return a.x < b.x; });
        const auto byY = std::minmax_element(points.begin(), points.end(),
                                             [](const auto& a, const auto& b) { return a.y < b.y; });
        const QPointF lowX = mapped[byX.first - points.begin()], highX = mapped[byX.second - points.begin()];
        const QPointF lowY = mapped[byY.first - points.begin()], highY = mapped[byY.second - points.begin()];
        for (size_t i = 0; i < points.size(); ++i) {
            if (std::fabs(highX.x() - lowX.x()) >= 1.0) {
                EXPECT_NEAR(fraction(points[i].x, byX.first->x, byX.second->x),
                            fraction(mapped[i].x(), lowX.x(), highX.x()), 1e-9)
                    << series->objectName().toStdString() << " x " << points[i].x;
            }
            if (std::fabs(highY.y() - lowY.y()) >= 1.0) {
                EXPECT_NEAR(fraction(points[i].y, byY.first->y, byY.second->y),
                            fraction(mapped[i].y(), lowY.y(), highY.y()), 1e-9)
                    << series->objectName().toStdString() << " y " << points[i].y;
            }
        }
    }
}

// The chart drawn into an image of `factor` times its size.
inline QImage Render(const TChart& chart, double factor)
{
    QImage image((QSizeF(chart.size()) * factor).toSize(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    chart.Paint(painter, QRectF(image.rect()));
    return image;
}

}  // namespace tensorium::testing_support
