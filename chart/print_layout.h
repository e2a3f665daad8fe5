// Where a chart goes on a printed page: 15 % margins, and the pair across
// the chart's narrower direction widened so the chart keeps its proportions.
#pragma once

#include <QRectF>
#include <QSize>

namespace tensorium {

QRectF ChartPrintRect(const QRectF& page, const QSize& chartOnScreen);

}  // namespace tensorium
