#include "chart/chart_text.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace tensorium {

namespace {

// Fixed notation ends here: beyond it labels run to hundreds of digits (a
// double reaches 1e308) and push the plot out of the chart.
constexpr int kMostFixedDecimals = 15;
constexpr double kLargestFixed = 1e15;

// Significant digits that tell ticks `step` apart up to `largest`.
int SignificantDigits(double largest, double step)
{
    if (!(largest > 0.0)) return 1;
    const double digits = std::floor(std::log10(largest)) - std::floor(std::log10(step) + 1e-9) + 1.0;
    return static_cast<int>(std::clamp(digits, 1.0, 17.0));
}

QString ExponentLabel(double value, int digits)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', digits);
}

QFont ArialOfPixels(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

QFont AxisLabelFont() { return ArialOfPixels(11); }

QFont AxisTitleFont() { return ArialOfPixels(13); }

QString AxisLabel(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', decimals);
    // A value that rounds to zero is shown without a sign.
    if (locale.toDouble(text) == 0.0) text = locale.toString(0.0, 'f', decimals);
    return text;
}

std::vector<QString> AxisLabels(const AxisScale& scale)
{
    std::vector<QString> labels;
    const std::vector<double> ticks = MajorTicks(scale);
    double largest = 0.0;
    for (double tick : ticks) largest = std::max(largest, std::fabs(tick));
    const int decimals = LabelDecimals(scale.majorStep);
    if (decimals <= kMostFixedDecimals && largest < kLargestFixed) {
        for (double tick : ticks) labels.push_back(AxisLabel(tick, decimals));
    } else {
        const int digits = SignificantDigits(largest, scale.majorStep);
        for (double tick : ticks) labels.push_back(ExponentLabel(tick, digits));
    }
    return labels;
}

}  // namespace tensorium
