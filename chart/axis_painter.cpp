#include "chart/axis_painter.h"

#include <QFontMetricsF>

#include <vector>

#include "chart/chart_text.h"

namespace tensorium {

namespace {

void PaintVerticalLines(QPainter& painter, const ChartFrame& frame, const std::vector<double>& values)
{
    for (double value : values) {
        const double x = frame.XAt(value);
        painter.drawLine(QPointF(x, frame.plot.top()), QPointF(x, frame.plot.bottom()));
    }
}

void PaintHorizontalLines(QPainter& painter, const ChartFrame& frame, const std::vector<double>& values)
{
    for (double value : values) {
        const double y = frame.YAt(value);
        painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
    }
}

QPen GridPen(const QColor& colour, Qt::PenStyle style)
{
    QPen pen(colour, 1.0, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Draws `text` in `box` unless it overlaps a box already used.
void PaintLabel(QPainter& painter, const QRectF& box, const QString& text, std::vector<QRectF>& used)
{
    for (const QRectF& other : used) {
        if (other.intersects(box)) return;
    }
    used.push_back(box);
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

void PaintGrids(QPainter& painter, const ChartFrame& frame, const TChartAxis& bottom, const TChartAxis& left)
{
    if (bottom.MinorGridVisible()) {
        painter.setPen(GridPen(bottom.MinorGridColour(), bottom.MinorGridStyle()));
        PaintVerticalLines(painter, frame, MinorTicks(frame.x, !bottom.GridVisible()));
    }
    if (left.MinorGridVisible()) {
        painter.setPen(GridPen(left.MinorGridColour(), left.MinorGridStyle()));
        PaintHorizontalLines(painter, frame, MinorTicks(frame.y, !left.GridVisible()));
    }
    if (bottom.GridVisible()) {
        painter.setPen(GridPen(bottom.GridColour(), Qt::SolidLine));
        PaintVerticalLines(painter, frame, MajorTicks(frame.x));
    }
    if (left.GridVisible()) {
        painter.setPen(GridPen(left.GridColour(), Qt::SolidLine));
        PaintHorizontalLines(painter, frame, MajorTicks(frame.y));
    }
}

void PaintAxisLines(QPainter& painter, const ChartFrame& frame, const TChartAxis& bottom,
                    const TChartAxis& left)
{
    painter.setPen(GridPen(Qt::black, Qt::SolidLine));
    const QRectF& plot = frame.plot;
    const double y = plot.bottom() - plot.height() * bottom.Position() / 100.0;
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    const double x = plot.left() + plot.width() * left.Position() / 100.0;
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
}

namespace {

struct LabelBox {
    QRectF box;
    QString text;
};

// The label boxes of both axes, the ends of each axis first: an end label
// tells the range, so it wins over an inner one it would overlap.
std::vector<LabelBox> LabelBoxes(const ChartFrame& frame, const TChartAxis& bottom, const TChartAxis& left)
{
    const QRectF& plot = frame.plot;
    const QFontMetricsF metrics(AxisLabelFont());
    const double height = metrics.height();
    std::vector<LabelBox> ends, inner;
    auto keep = [&](std::size_t i, std::size_t count, const LabelBox& label) {
        (i == 0 || i + 1 == count ? ends : inner).push_back(label);
    };
    if (left.LabelsVisible()) {
        const std::vector<double> ticks = MajorTicks(frame.y);
        const std::vector<QString> labels = AxisLabels(frame.y);
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            // Right-aligned: the box shrinks to the text so neighbours test fairly.
            const double width = metrics.horizontalAdvance(labels[i]);
            keep(i, ticks.size(),
                 {QRectF(plot.left() - kTextGap - width, frame.YAt(ticks[i]) - height / 2.0, width, height),
                  labels[i]});
        }
    }
    if (bottom.LabelsVisible()) {
        const std::vector<double> ticks = MajorTicks(frame.x);
        const std::vector<QString> labels = AxisLabels(frame.x);
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            const double width = metrics.horizontalAdvance(labels[i]);
            keep(i, ticks.size(),
                 {QRectF(frame.XAt(ticks[i]) - width / 2.0, plot.bottom() + frame.bottomLabelGap, width,
                         height),
                  labels[i]});
        }
    }
    ends.insert(ends.end(), inner.begin(), inner.end());
    return ends;
}

}  // namespace

void PaintAxisTexts(QPainter& painter, const ChartFrame& frame, const TChartAxis& bottom,
                    const TChartAxis& left)
{
    const QRectF& plot = frame.plot;
    painter.setPen(Qt::black);
    painter.setFont(AxisLabelFont());
    std::vector<QRectF> used;
    for (const LabelBox& label : LabelBoxes(frame, bottom, left))
        PaintLabel(painter, label.box, label.text, used);

    painter.setFont(AxisTitleFont());
    const double titleHeight = QFontMetricsF(AxisTitleFont()).height();
    if (!bottom.Title().isEmpty()) {
        const QRectF box(plot.left(), plot.bottom() + frame.bottomLabelBand + kTextGap, plot.width(),
                         titleHeight);
        painter.drawText(box, Qt::AlignCenter, bottom.Title());
    }
    if (!left.Title().isEmpty()) {
        // Turned a quarter left, the title reads upwards beside the labels.
        const double centreX = plot.left() - frame.leftLabelBand - kTextGap - titleHeight / 2.0;
        painter.save();
        painter.translate(centreX, plot.center().y());
        painter.rotate(-90.0);
        painter.drawText(QRectF(-plot.height() / 2.0, -titleHeight / 2.0, plot.height(), titleHeight),
                         Qt::AlignCenter, left.Title());
        painter.restore();
    }
}

}  // namespace tensorium
