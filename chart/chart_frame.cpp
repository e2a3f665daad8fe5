#include "chart/chart_frame.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

#include "chart/chart_text.h"

namespace tensorium {

namespace {

// Keeps a pen straddling the outermost pixels inside the chart.
constexpr double kEdgePad = 2.0;

double WidestLabel(const AxisScale& scale)
{
    const QFontMetricsF metrics(AxisLabelFont());
    double widest = 0.0;
    for (const QString& label : AxisLabels(scale))
        widest = std::max(widest, metrics.horizontalAdvance(label));
    return widest;
}

double TitleBand(const TChartAxis& axis)
{
    if (axis.Title().isEmpty()) return 0.0;
    return QFontMetricsF(AxisTitleFont()).height() + kTextGap;
}

// Where `value` lies across the scale, 0 at its minimum and 1 at its
// maximum; halved first where a width overflows a double.
double FractionOf(const AxisScale& scale, double value)
{
    // Decided on the width, not on the quotient: over an infinite width a
    // finite distance gives a finite but wrong fraction of 0.
    const double span = scale.Span();
    const double fraction = (value - scale.minimum) / span;
    if (std::isfinite(span) && std::isfinite(fraction)) return fraction;
    return (0.5 * value - 0.5 * scale.minimum) / (0.5 * scale.maximum - 0.5 * scale.minimum);
}

// The plot shrunk to one scale on both axes, centred where it was. Only the
// ratio of the spans matters, so both are halved alike when one overflows,
// and no length per unit is formed (it overflows for subnormal spans).
QRectF EqualScales(const QRectF& available, const AxisScale& x, const AxisScale& y)
{
    double across = x.Span(), up = y.Span();
    if (!std::isfinite(across) || !std::isfinite(up)) {
        across = 0.5 * x.maximum - 0.5 * x.minimum;
        up = 0.5 * y.maximum - 0.5 * y.minimum;
    }
    const double aspect = across / up;
    const QSizeF size = aspect >= available.width() / available.height()
                            ? QSizeF(available.width(), available.width() / aspect)
                            : QSizeF(available.height() * aspect, available.height());
    QRectF plot(QPointF(0.0, 0.0), size);
    plot.moveCenter(available.center());
    return plot;
}

}  // namespace

double ChartFrame::XAt(double value) const { return plot.left() + FractionOf(x, value) * plot.width(); }

double ChartFrame::YAt(double value) const { return plot.bottom() - FractionOf(y, value) * plot.height(); }

ChartFrame LayOutFrame(const QSizeF& size, const FrameOptions& options, const TChartAxis& bottom,
                       const TChartAxis& left, const AxisScale& x, const AxisScale& y)
{
    const QFontMetricsF labelMetrics(AxisLabelFont());
    ChartFrame frame;
    frame.x = x;
    frame.y = y;
    frame.leftLabelBand =
        left.LabelsVisible() ? std::max(left.LabelSize(), WidestLabel(y) + kTextGap) : left.LabelSize();
    // The lowest left label is centred on the plot's bottom edge; the bottom
    // labels start below it, so the labels at the corner never hide each other.
    frame.bottomLabelGap =
        left.LabelsVisible() ? std::max(kTextGap, labelMetrics.height() / 2.0 + 1.0) : kTextGap;
    frame.bottomLabelBand = bottom.LabelsVisible()
                                ? std::max(bottom.LabelSize(), labelMetrics.height() + frame.bottomLabelGap)
                                : bottom.LabelSize();

    // Labels are centred on their ticks, so the outermost ones reach half
    // their size past the plot's corners.
    const double top = size.height() * options.topMarginPercent / 100.0 + kEdgePad +
                       (left.LabelsVisible() ? labelMetrics.height() / 2.0 : 0.0);
    const double right = kEdgePad + (bottom.LabelsVisible() ? WidestLabel(x) / 2.0 : 0.0);
    const double leftEdge = kEdgePad + TitleBand(left) + frame.leftLabelBand;
    const double bottomEdge = size.height() * options.bottomMarginPercent / 100.0 + kEdgePad +
                              TitleBand(bottom) + frame.bottomLabelBand;

    QRectF available(leftEdge, top, std::max(1.0, size.width() - leftEdge - right),
                     std::max(1.0, size.height() - top - bottomEdge));
    frame.plot = options.equalScales ? EqualScales(available, x, y) : available;
    return frame;
}

}  // namespace tensorium
