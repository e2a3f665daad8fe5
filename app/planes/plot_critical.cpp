#include "app/planes/plot_critical.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/palette_colour.h"
#include "diagrams/mohr_geometry.h"

namespace tensorium {

PlotCritical::PlotCritical(const PlaneSetDocument& document, QWidget* parent)
    : QWidget(parent), document_(document)
{
    setObjectName("PlotCritical");
    setAccessibleName("Critically stressed planes against pore pressure");
    setMinimumSize(240, 160);
    connect(&document_, &PlaneSetDocument::PlanesChanged, this, qOverload<>(&QWidget::update));
    connect(&document_, &PlaneSetDocument::OutcomesChanged, this, qOverload<>(&QWidget::update));
}

double PlotCritical::HighestPressure() const
{
    const double high = std::max({document_.Curve().AllCriticalPressure(), document_.PorePressure(), 0.0});
    return high > 0 && std::isfinite(high) ? high : 1;
}

QRectF PlotCritical::PlotArea(const QRectF& target) const
{
    const QFontMetricsF metrics(font());
    const double h = metrics.height();
    return target.adjusted(metrics.horizontalAdvance("100 %") + h, h, -h * 1.5, -2.6 * h);
}

QPointF PlotCritical::At(const QRectF& target, double p, double percent) const
{
    const QRectF area = PlotArea(target);
    return {area.left() + area.width() * std::clamp(p / HighestPressure(), 0.0, 1.0),
            area.bottom() - area.height() * percent / 100};
}

void PlotCritical::Paint(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.fillRect(target, Qt::white);
    const QRectF area = PlotArea(target);
    const QFontMetricsF metrics(painter.font());
    const double high = HighestPressure();
    // Axes, numbered at round steps.
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    const AxisTicks ticks = RoundTicks(0, high, 6);
    const std::string separator = separator_.toStdString();
    for (int k = 0; k < ticks.count; ++k) {
        const double p = ticks.Value(k);
        if (p < 0 || p > high * (1 + 1e-12)) continue;
        const QPointF at = At(target, p, 0);
        painter.drawLine(at, at + QPointF(0, 4));
        const QString text = QString::fromStdString(TickText(p, ticks, separator));
        painter.drawText(QRectF(at.x() - 40, at.y() + 5, 80, metrics.height()), Qt::AlignHCenter, text);
    }
    for (int percent = 0; percent <= 100; percent += 25) {
        const QPointF at = At(target, 0, percent);
        painter.drawLine(at, at - QPointF(4, 0));
        painter.drawText(QRectF(target.left(), at.y() - metrics.height() / 2, at.x() - 6 - target.left(),
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString("%1 %").arg(percent));
    }
    painter.drawText(
        QRectF(area.left(), area.bottom() + 5 + metrics.height(), area.width(), metrics.height()),
        Qt::AlignHCenter, "Pore pressure");

    // The percentage steps up at each plane's critical pressure.
    const std::vector<double>& steps = document_.Curve().Steps();
    if (!steps.empty()) {
        QPainterPath path;
        const double n = static_cast<double>(steps.size());
        size_t below = 0;
        while (below < steps.size() && steps[below] <= 0) ++below;
        path.moveTo(At(target, 0, 100.0 * below / n));
        for (size_t k = below; k < steps.size(); ++k) {
            path.lineTo(At(target, steps[k], 100.0 * k / n));
            path.lineTo(At(target, steps[k], 100.0 * (k + 1) / n));
        }
        path.lineTo(At(target, high, 100));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ColourOf(palette::kUnsafe), 2));
        painter.drawPath(path);
    }
    // The current pressure.
    const double p = document_.PorePressure();
    const double percent = document_.Curve().PercentAt(p);
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    painter.drawLine(At(target, p, 0), At(target, p, 100));
    painter.setPen(Qt::black);
    painter.setBrush(ColourOf(palette::kJointHandle));
    painter.drawEllipse(At(target, p, percent), 4.5, 4.5);
    painter.restore();
}

void PlotCritical::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, QRectF(rect()));
}

}  // namespace tensorium
