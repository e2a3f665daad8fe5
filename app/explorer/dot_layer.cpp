#include "app/explorer/dot_layer.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace tensorium {
namespace {

// Coverage of the pixel centred at (dx, dy) from the dot's centre by a disc
// of radius r: a one-pixel ramp at the edge.
double Coverage(double dx, double dy, double r) { return std::clamp(r + 0.5 - std::hypot(dx, dy), 0.0, 1.0); }

// Where a dot's centre lies within its pixel, in quarters: each of the 16
// places has its coverage masks computed once, so that a dot costs a few
// integer blends a pixel.
constexpr int kPlaces = 4;

struct Sprite {
    int reach = 0;  // pixels either side of the centre's pixel
    struct Texel {
        int dx, dy;
        std::uint8_t disc, ring;  // coverage 0..255
    };
    std::vector<Texel> texels;  // only those the dot or its ring covers
};

Sprite MakeSprite(double fx, double fy, double r, double outer)
{
    Sprite sprite;
    // A pixel |x| away from the centre's own is covered only while |x| - 0.5 < outer + 0.5.
    sprite.reach = static_cast<int>(std::floor(outer + 1));
    for (int y = -sprite.reach; y <= sprite.reach; ++y)
        for (int x = -sprite.reach; x <= sprite.reach; ++x) {
            const double dx = x + 0.5 - fx, dy = y + 0.5 - fy;
            const auto disc = static_cast<std::uint8_t>(std::lround(255 * Coverage(dx, dy, r)));
            const auto ring = outer > r
                                  ? static_cast<std::uint8_t>(std::lround(255 * Coverage(dx, dy, outer)))
                                  : std::uint8_t{0};
            if (disc || ring) sprite.texels.push_back({x, y, disc, ring});
        }
    return sprite;
}

// x * a / 255 on each of the four bytes of x at once (two at a time).
inline std::uint32_t ByteMul(std::uint32_t x, std::uint32_t a)
{
    std::uint32_t t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

// Source over destination, premultiplied: `colour` (opaque) at coverage a.
inline std::uint32_t Over(std::uint32_t dst, std::uint32_t colour, std::uint32_t a)
{
    return a == 255 ? colour : ByteMul(colour, a) + ByteMul(dst, 255 - a);
}

}  // namespace

QImage DotPicture(const QSize& size, qreal ratio, const std::vector<DotMark>& dots, double radius,
                  double ring)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    const double r = radius * ratio, outer = (radius + ring) * ratio;
    std::vector<Sprite> sprites;
    for (int py = 0; py < kPlaces; ++py)
        for (int px = 0; px < kPlaces; ++px)
            sprites.push_back(MakeSprite((px + 0.5) / kPlaces, (py + 0.5) / kPlaces, r, outer));
    const int width = image.width(), height = image.height();
    // The pixels once: scanLine() checks for sharing at every call.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const std::uint32_t dark = 0xff1e1e1eu;
    // A band of rows takes every dot's pixels within it, in the dots' order.
    auto paintBand = [&](std::pair<int, int> band) {
        const auto [top, bottom] = band;
        for (const DotMark& dot : dots) {
            const double cx = dot.at.x() * ratio, cy = dot.at.y() * ratio;
            if (!(std::fabs(cx) < 1e7 && std::fabs(cy) < 1e7)) continue;
            const int ix = static_cast<int>(std::floor(cx)), iy = static_cast<int>(std::floor(cy));
            const int px = std::min(kPlaces - 1, static_cast<int>((cx - ix) * kPlaces));
            const int py = std::min(kPlaces - 1, static_cast<int>((cy - iy) * kPlaces));
            const Sprite& sprite = sprites[static_cast<size_t>(py * kPlaces + px)];
            if (iy + sprite.reach < top || iy - sprite.reach >= bottom) continue;
            const std::uint32_t colour = 0xff000000u | dot.colour.rgb();
            const bool inside = ix - sprite.reach >= 0 && ix + sprite.reach < width &&
                                iy - sprite.reach >= top && iy + sprite.reach < bottom;
            for (const Sprite::Texel& t : sprite.texels) {
                const int x = ix + t.dx, y = iy + t.dy;
                if (!inside && (x < 0 || x >= width || y < top || y >= bottom)) continue;
                std::uint32_t& pixel = reinterpret_cast<std::uint32_t*>(bits + y * stride)[x];
                if (dot.ringed && t.ring) pixel = Over(pixel, dark, t.ring);
                if (t.disc) pixel = Over(pixel, colour, t.disc);
            }
        }
    };
    paintBand({0, height});
    return image;
}

double DotScale(size_t count)
{
    return std::clamp(std::sqrt(2000.0 / std::max<size_t>(count, 1)), 0.45, 1.0);
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
        // Only the part of the target the dots cover: less to clear and to draw.
        double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
        for (const DotMark& dot : dots) {
            left = std::min(left, dot.at.x()), right = std::max(right, dot.at.x());
            top = std::min(top, dot.at.y()), bottom = std::max(bottom, dot.at.y());
        }
        const double reach = radius + ring + 2;
        const QRectF area = target.intersected(
            QRectF(QPointF(left - reach, top - reach), QPointF(right + reach, bottom + reach)));
        if (area.isEmpty()) return;
        const QPoint origin(static_cast<int>(std::floor(area.left())),
                            static_cast<int>(std::floor(area.top())));
        std::vector<DotMark> shifted = dots;
        for (DotMark& dot : shifted) dot.at -= origin;
        painter.drawImage(
            origin, DotPicture((area.size() * ratio).toSize() + QSize(2, 2), ratio, shifted, radius, ring));
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
