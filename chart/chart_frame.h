// Where the plot lies in a chart drawn at on-screen size, and how values map
// onto it; the room around it is kept for axis labels and titles.
#pragma once

#include <QRectF>
#include <QSizeF>

#include "chart/axis_scale.h"
#include "chart/chart_axis.h"

namespace tensorium {

struct ChartFrame {
    QRectF plot;
    AxisScale x;
    AxisScale y;
    double leftLabelBand = 0.0;    // width kept left of the plot for the left labels
    double bottomLabelBand = 0.0;  // height kept below the plot for the bottom labels
    double bottomLabelGap = 0.0;   // from the plot's bottom down to the bottom labels

    double XAt(double value) const;
    double YAt(double value) const;
    QPointF At(double xValue, double yValue) const { return {XAt(xValue), YAt(yValue)}; }
};

// Room between labels, titles and the plot, in on-screen px.
constexpr double kTextGap = 4.0;

struct FrameOptions {
    double topMarginPercent = 0.0;
    double bottomMarginPercent = 0.0;
    bool equalScales = false;
};

// Lays out a chart of `size` whose axes show the scales `x` and `y`.
ChartFrame LayOutFrame(const QSizeF& size, const FrameOptions& options, const TChartAxis& bottom,
                       const TChartAxis& left, const AxisScale& x, const AxisScale& y);

}  // namespace tensorium
