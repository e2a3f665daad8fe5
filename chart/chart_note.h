// A short text that marks a place of the plot, such as the North of a net.
#pragma once

#include <QPainter>
#include <QString>

#include "chart/chart_frame.h"

namespace tensorium {

struct ChartNote {
    double x = 0.0;  // the place marked, in values of the axes
    double y = 0.0;
    QString text;
    int pixelSize = 12;
};

// The note's text centred just above its place, on a white ground that
// parts it from the grid and axis lines it sits on.
void PaintNote(QPainter& painter, const ChartFrame& frame, const ChartNote& note);

}  // namespace tensorium
