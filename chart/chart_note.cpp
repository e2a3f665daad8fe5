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
    // The ground reaches a little above the text, so no stub of a line
    // crossing the place shows over the text where the room above is short.
    painter.fillRect(box.adjusted(0.0, -2.0, 0.0, 0.0), Qt::white);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, note.text);
}

}  // namespace tensorium
