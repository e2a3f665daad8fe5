#include "app/explorer/dot_layer.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tensorium {
namespace {

// Coverage of the pixel centred at (dx, dy) from the dot's centre by a disc
// of radius r: a one-pixel ramp at the edge.
double Coverage(double dx, double dy, double r) { return std::clamp(r + 0.5 - std::hypot(dx, dy), 0.0, 1.0); }

void Blend(QRgb& pixel, const QColor& colour, double alpha)
{
    if (alpha <= 0) return;
    const double a = alpha * colour.alphaF(), keep = 1 - a;
    // Premultiplied: source over destination.
    pixel = qRgba(static_cast<int>(colour.red() * a + qRed(pixel) * keep + 0.5),
                  static_cast<int>(colour.green() * a + qGreen(pixel) * keep + 0.5),
                  static_cast<int>(colour.blue() * a + qBlue(pixel) * keep + 0.5),
                  static_cast<int>(255 * a + qAlpha(pixel) * keep + 0.5));
}

}  // namespace

QImage DotPicture(const QSize& size, qreal ratio, const std::vector<DotMark>& dots, double radius,
                  double ring)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    const double r = radius * ratio, outer = (radius + ring) * ratio;
    const int reach = static_cast<int>(std::ceil(outer + 1));
    const QColor dark(30, 30, 30);
    for (const DotMark& dot : dots) {
        const double cx = dot.at.x() * ratio, cy = dot.at.y() * ratio;
        if (!std::isfinite(cx) || !std::isfinite(cy)) continue;
        const int x0 = std::max(0, static_cast<int>(std::floor(cx)) - reach);
        const int x1 = std::min(image.width() - 1, static_cast<int>(std::floor(cx)) + reach);
        const int y0 = std::max(0, static_cast<int>(std::floor(cy)) - reach);
        const int y1 = std::min(image.height() - 1, static_cast<int>(std::floor(cy)) + reach);
        for (int y = y0; y <= y1; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = x0; x <= x1; ++x) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                if (dot.ringed) Blend(line[x], dark, Coverage(dx, dy, outer));
                Blend(line[x], dot.colour, Coverage(dx, dy, r));
            }
        }
    }
    return image;
}

void PaintDots(QPainter& painter, const QRectF& target, const std::vector<DotMark>& dots, double radius,
               double ring)
{
    if (dots.empty()) return;
    const QPaintEngine* engine = painter.paintEngine();
    // On raster devices without scaling or turning, as a picture in the
    // painter's own coordinates.
    if (engine && engine->type() == QPaintEngine::Raster &&
        painter.transform().type() <= QTransform::TxTranslate) {
        const qreal ratio = painter.device()->devicePixelRatioF();
        const QRectF area = target;
        const QPoint origin = area.topLeft().toPoint();
        std::vector<DotMark> shifted = dots;
        for (DotMark& dot : shifted) dot.at -= origin;
        painter.drawImage(
            origin, DotPicture((area.size() * ratio).toSize() + QSize(1, 1), ratio, shifted, radius, ring));
        return;
    }
    painter.save();
    for (const DotMark& dot : dots) {
        painter.setPen(dot.ringed ? QPen(QColor(30, 30, 30), ring) : Qt::NoPen);
        painter.setBrush(dot.colour);
        painter.drawEllipse(dot.at, radius, radius);
    }
    painter.restore();
}

}  // namespace tensorium
