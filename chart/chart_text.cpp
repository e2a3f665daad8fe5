#include "chart/chart_text.h"

#include <QLocale>

namespace tensorium {

namespace {

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
    const int decimals = LabelDecimals(scale.majorStep);
    for (double tick : MajorTicks(scale)) labels.push_back(AxisLabel(tick, decimals));
    return labels;
}

}  // namespace tensorium
