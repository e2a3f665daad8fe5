// The fonts and the text of axis labels and titles, at on-screen size.
#pragma once

#include <QFont>
#include <QString>

#include <vector>

#include "chart/axis_scale.h"

namespace tensorium {

QFont AxisLabelFont();
QFont AxisTitleFont();

// A tick value as its label shows it, with the user's decimal separator.
QString AxisLabel(double value, int decimals);

// The labels of every major tick of `scale`, in tick order; in exponent
// notation where fixed notation would be too long to fit beside a plot.
std::vector<QString> AxisLabels(const AxisScale& scale);

}  // namespace tensorium
