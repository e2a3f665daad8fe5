// Draws the grids, the axis lines, the labels and the titles of a chart laid
// out at on-screen size.
#pragma once

#include <QPainter>

#include "chart/chart_axis.h"
#include "chart/chart_frame.h"

namespace tensorium {

// Minor grids first, then major grids over them.
void PaintGrids(QPainter& painter, const ChartFrame& frame, const TChartAxis& bottom, const TChartAxis& left);

// Each axis line runs across the plot at its position.
void PaintAxisLines(QPainter& painter, const ChartFrame& frame, const TChartAxis& bottom,
                    const TChartAxis& left);

// Labels along the plot's left and bottom edges; a label that would overlap
// one already drawn is left out. Titles outside the labels.
void PaintAxisTexts(QPainter& painter, const ChartFrame& frame, const TChartAxis& bottom,
                    const TChartAxis& left);

}  // namespace tensorium
