#include "chart/series_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

namespace tensorium {

namespace {

QPen SeriesPen(const QColor& colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void PaintLine(QPainter& painter, const ChartFrame& frame, const TChartSeries& series)
{
    const auto& points = series.Points();
    std::size_t start = 0;
    while (start + 1 < points.size()) {
        const QColor colour = series.PointColour(start);
        QPolygonF run;
        run << frame.At(points[start].x, points[start].y);
        std::size_t next = start + 1;
        for (;;) {
            run << frame.At(points[next].x, points[next].y);
            if (next + 1 >= points.size() || series.PointColour(next) != colour) break;
            ++next;
        }
        painter.setPen(SeriesPen(colour, series.LineWidth()));
        painter.drawPolyline(run);
        start = next;
    }
}

void PaintCrosses(QPainter& painter, const ChartFrame& frame, const TChartSeries& series)
{
    const auto& points = series.Points();
    const double half = series.MarkerHorizontalSize();
    const double halfHeight = series.MarkerVerticalSize();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF centre = frame.At(points[i].x, points[i].y);
        QPainterPath cross;
        cross.moveTo(centre.x() - half, centre.y());
        cross.lineTo(centre.x() + half, centre.y());
        cross.moveTo(centre.x(), centre.y() - halfHeight);
        cross.lineTo(centre.x(), centre.y() + halfHeight);
        // The outline edges the cross; the point's own colour shows on top.
        if (series.MarkerOutline().isValid()) {
            painter.setPen(SeriesPen(series.MarkerOutline(), series.LineWidth() + 2));
            painter.drawPath(cross);
        }
        painter.setPen(SeriesPen(series.PointColour(i), series.LineWidth() + 0.5));
        painter.drawPath(cross);
    }
}

void PaintDots(QPainter& painter, const ChartFrame& frame, const TChartSeries& series)
{
    const auto& points = series.Points();
    const double radius = series.MarkerHorizontalSize();
    for (std::size_t i = 0; i < points.size(); ++i) {
        // The outline parts a dot from the lines and dots under it.
        if (series.MarkerOutline().isValid())
            painter.setPen(QPen(series.MarkerOutline(), series.LineWidth()));
        else
            painter.setPen(Qt::NoPen);
        painter.setBrush(series.PointColour(i));
        painter.drawEllipse(frame.At(points[i].x, points[i].y), radius, radius);
    }
    painter.setBrush(Qt::NoBrush);
}

// Beside the point, up and to the right; flipped to the other side where
// that keeps the label inside the plot.
QRectF MarkBox(const QRectF& plot, const QPointF& point, const QSizeF& size, const TChartSeries& series)
{
    const double dx = series.MarkerHorizontalSize() + 1.0;
    const double dy = series.GetKind() == TChartSeries::Kind::Point ? series.MarkerVerticalSize() * 0.4 : 1.0;
    QRectF box(QPointF(point.x() + dx, point.y() - dy - size.height()), size);
    if (box.right() > plot.right()) box.moveRight(point.x() - dx);
    if (box.top() < plot.top()) box.moveTop(point.y() + dy);
    return box;
}

void PaintMarks(QPainter& painter, const ChartFrame& frame, const TChartSeries& series)
{
    const QFont font = series.MarksFont();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(series.MarksColour());
    for (const ChartPoint& point : series.Points()) {
        if (point.label.isEmpty()) continue;
        const QSizeF size(metrics.horizontalAdvance(point.label), metrics.height());
        const QRectF box = MarkBox(frame.plot, frame.At(point.x, point.y), size, series);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, point.label);
    }
}

}  // namespace

void PaintSeries(QPainter& painter, const ChartFrame& frame, const TChartSeries& series)
{
    if (!series.Visible()) return;
    switch (series.GetKind()) {
        case TChartSeries::Kind::Line: PaintLine(painter, frame, series); break;
        case TChartSeries::Kind::Point: PaintCrosses(painter, frame, series); break;
        case TChartSeries::Kind::Dot: PaintDots(painter, frame, series); break;
    }
    if (series.MarksVisible()) PaintMarks(painter, frame, series);
}

}  // namespace tensorium
