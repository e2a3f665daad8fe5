// Draws one series into the plot of a chart laid out at on-screen size.
#pragma once

#include <QPainter>

#include "chart/chart_frame.h"
#include "chart/chart_series.h"

namespace tensorium {

// A line series as polylines in insertion order, one per run of segments of
// one colour (a segment takes its start point's colour); a point series as
// crosses; a dot series as filled discs; then the marks of any.
void PaintSeries(QPainter& painter, const ChartFrame& frame, const TChartSeries& series);

}  // namespace tensorium
