#include "app/explorer/halo_text_cache.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace tensorium {
namespace {

// Sub-pixel positions are kept to a quarter of a device pixel: closer than
// the glyph rasteriser places them, and few enough to reuse.
constexpr double kSteps = 4.0;
// Labels whose numbers change on every step come and go; the kept ones are
// let go together once there are this many.
constexpr int kMostSprites = 512;

QString KeyOf(const QPainter& painter, const QString& text, double haloWidth, double ratio,
              const QPointF& fraction)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
        .arg(painter.font().key())
        .arg(painter.pen().color().rgba())
        .arg(haloWidth)
        .arg(ratio)
        .arg(fraction.x())
        .arg(fraction.y())
        .arg(text);
}

}  // namespace

QColor HaloColour() { return QColor(255, 255, 255, 220); }

void DrawHaloPixels(QPainter& painter, const QPointF& baseline, const QString& text, double haloWidth)
{
    const QPen ink = painter.pen();
    QTextLayout layout(text, painter.font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    line.setPosition(QPointF(0, -line.ascent()));
    layout.endLayout();
    painter.setPen(HaloColour());
    const double d = haloWidth / 2;
    for (const QPointF& offset :
         {QPointF(-d, 0), QPointF(d, 0), QPointF(0, -d), QPointF(0, d), QPointF(-d, -d) * 0.7,
          QPointF(d, d) * 0.7, QPointF(-d, d) * 0.7, QPointF(d, -d) * 0.7})
        layout.draw(&painter, baseline + offset);
    painter.setPen(ink);
    layout.draw(&painter, baseline);
}

bool HaloTextCache::Draw(QPainter& painter, const QPointF& baseline, const QString& text, double haloWidth)
{
    // To device pixels: a translation and the device's own pixel ratio.
    const QTransform toDevice = painter.combinedTransform();
    const double ratio = painter.device()->devicePixelRatioF();
    if (toDevice.type() > QTransform::TxScale || toDevice.m11() != ratio || toDevice.m22() != ratio ||
        painter.opacity() < 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QPointF device = toDevice.map(baseline);
    const QPointF whole(std::floor(device.x()), std::floor(device.y()));
    const QPointF fraction(std::floor((device.x() - whole.x()) * kSteps) / kSteps,
                           std::floor((device.y() - whole.y()) * kSteps) / kSteps);

    const QString key = KeyOf(painter, text, haloWidth, ratio, fraction);
    auto found = sprites_.constFind(key);
    if (found == sprites_.constEnd()) {
        if (sprites_.size() >= kMostSprites) sprites_.clear();
        found = sprites_.insert(key, Render(painter, text, haloWidth, ratio, fraction));
    }
    const QPointF corner = whole - QPointF(found->origin);
    painter.save();
    painter.resetTransform();
    painter.drawImage(corner / ratio, found->image);
    painter.restore();
    return true;
}

HaloTextCache::Sprite HaloTextCache::Render(const QPainter& painter, const QString& text, double haloWidth,
                                            double ratio, const QPointF& fraction)
{
    // The ink and the advance box, grown by the halo and a pixel's margin.
    const QFontMetricsF metrics(painter.font());
    const QRectF ink = metrics.boundingRect(text).united(
        QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.height()));
    const double margin = haloWidth + 2;
    const QRectF box = ink.adjusted(-margin, -margin, margin, margin);
    const QPoint origin(static_cast<int>(std::ceil(-box.left() * ratio)),
                        static_cast<int>(std::ceil(-box.top() * ratio)));
    const QSize pixels(origin.x() + static_cast<int>(std::ceil(box.right() * ratio)) + 1,
                       origin.y() + static_cast<int>(std::ceil(box.bottom() * ratio)) + 1);

    Sprite sprite{QImage(pixels, QImage::Format_ARGB32_Premultiplied), origin};
    sprite.image.setDevicePixelRatio(ratio);
    // Fonts sized in points come out as on the device.
    const QPaintDevice* device = painter.device();
    sprite.image.setDotsPerMeterX(static_cast<int>(std::lround(device->logicalDpiX() / 0.0254)));
    sprite.image.setDotsPerMeterY(static_cast<int>(std::lround(device->logicalDpiY() / 0.0254)));
    sprite.image.fill(Qt::transparent);
    QPainter p(&sprite.image);
    p.setRenderHints(painter.renderHints());
    p.setFont(painter.font());
    p.setPen(painter.pen());
    DrawHaloPixels(p, (QPointF(origin) + fraction) / ratio, text, haloWidth);
    return sprite;
}

}  // namespace tensorium
