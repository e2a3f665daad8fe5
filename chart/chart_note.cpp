#include "chart/chart_note.h"

#include <QFont>
#include <QFontMetricsF>

namespace tensorium {

void PaintNote(QPainter& painter, const ChartFrame& frame, const ChartNote& note)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(note.pixelSize);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const QPointF place = frame.At(note.x, note.y);
    // A pixel clear of the place, so a line through it stays whole.
    const QSizeF size(metrics.horizontalAdvance(note.text) + 2.0, metrics.height());
    const QRectF box(QPointF(place.x() - size.width() / 2.0, place.y() - 1.0 - size.height()), size);
    painter.fillRect(box, Qt::white);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, note.text);
}

}  // namespace tensorium
