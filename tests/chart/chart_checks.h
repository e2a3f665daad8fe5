// Checks shared by the chart tests.
#pragma once

#include <gtest/gtest.h>
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
