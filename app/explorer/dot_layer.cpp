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
    struct Texel {
        int offset;               // from the centre's pixel, in pixels of the padded picture
        std::uint8_t disc, ring;  // coverage 0..255
    };
    // Sorted by what they need, so that a pixel is read only where the
    // ground shows through.
    std::vector<int> solid;     // covered wholly by the disc: the dot's colour
    std::vector<Texel> inner;   // partly by the disc, wholly by the ring: the disc over the ring
    std::vector<int> ringOnly;  // wholly by the ring, not by the disc: the ring's colour
    std::vector<Texel> outer;   // partly by the ring (or the disc, without one)
};

Sprite MakeSprite(double fx, double fy, double r, double outer, int stride, bool crispRings)
{
    Sprite sprite;
    // A pixel |x| away from the centre's own is covered only while |x| - 0.5 < outer + 0.5.
    const int reach = static_cast<int>(std::floor(outer + 1));
    for (int y = -reach; y <= reach; ++y)
        for (int x = -reach; x <= reach; ++x) {
            const double dx = x + 0.5 - fx, dy = y + 0.5 - fy;
            const auto disc = static_cast<std::uint8_t>(std::lround(255 * Coverage(dx, dy, r)));
            auto ring = outer > r ? static_cast<std::uint8_t>(std::lround(255 * Coverage(dx, dy, outer)))
                                  : std::uint8_t{0};
            // A crisp ring covers a pixel wholly or not at all: it is laid
            // without reading the pixels beneath.
            if (crispRings) ring = ring >= 128 ? 255 : 0;
            const int offset = y * stride + x;
            if (disc == 255)
                sprite.solid.push_back(offset);
            else if (ring == 255 && disc)
                sprite.inner.push_back({offset, disc, ring});
            else if (ring == 255)
                sprite.ringOnly.push_back(offset);
            else if (disc || ring)
                sprite.outer.push_back({offset, disc, ring});
        }
    return sprite;
}

// Source over destination, premultiplied: `colour` (opaque) at coverage a,
// (colour a + dst (255 - a)) / 255 on each of the four bytes, two at a time.
inline std::uint32_t Over(std::uint32_t dst, std::uint32_t colour, std::uint32_t a)
{
    const std::uint32_t b = 255 - a;
    std::uint32_t t = (colour & 0xff00ffu) * a + (dst & 0xff00ffu) * b;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    std::uint32_t x = ((colour >> 8) & 0xff00ffu) * a + ((dst >> 8) & 0xff00ffu) * b;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

// A dot where it lands: its centre's pixel in the padded picture, which of
// the sprites, and its colour.
struct Placed {
    int pixel;
    std::uint32_t colour;
    std::uint16_t sprite;
    bool ringed;
};

// The pixels of `dots`, in the dots' order. (Two threads, each with half the
// rows, took longer here than one.)
void PaintDotsInto(std::uint32_t* pixels, int stride, int reach, const std::vector<Placed>& dots,
                   const std::vector<Sprite>& sprites)
{
    const std::uint32_t dark = 0xff1e1e1eu;
    // The dots lie anywhere in a picture larger than the processor's cache:
    // the rows of a dot a few ahead are fetched while this one is drawn.
    constexpr size_t kAhead = 8;
    for (size_t k = 0; k < dots.size(); ++k) {
        if (k + kAhead < dots.size())
            for (int row = -reach; row <= reach; ++row)
                __builtin_prefetch(pixels + dots[k + kAhead].pixel + row * stride, 1);
        const Placed& dot = dots[k];
        const Sprite& sprite = sprites[dot.sprite];
        std::uint32_t* const centre = pixels + dot.pixel;
        if (dot.ringed) {
            for (const Sprite::Texel& t : sprite.outer) {
                std::uint32_t& pixel = centre[t.offset];
                pixel = Over(pixel, dark, t.ring);
                if (t.disc) pixel = Over(pixel, dot.colour, t.disc);
            }
            for (int offset : sprite.ringOnly) centre[offset] = dark;
            for (const Sprite::Texel& t : sprite.inner) centre[t.offset] = Over(dark, dot.colour, t.disc);
        } else {
            for (const Sprite::Texel& t : sprite.outer)
                if (t.disc) centre[t.offset] = Over(centre[t.offset], dot.colour, t.disc);
            for (const Sprite::Texel& t : sprite.inner)
                centre[t.offset] = Over(centre[t.offset], dot.colour, t.disc);
        }
        for (int offset : sprite.solid) centre[offset] = dot.colour;
    }
}

void FreePadded(void* buffer) { delete[] static_cast<std::uint32_t*>(buffer); }

}  // namespace

QImage DotPicture(const QSize& size, qreal ratio, const std::vector<DotMark>& dots, double radius,
                  double ring, const QPointF& origin, bool crispRings)
{
    if (size.isEmpty()) return {};
    const double r = radius * ratio, outer = (radius + ring) * ratio;
    // The picture lies within a margin as wide as a dot, so that a dot that
    // reaches into it needs no clipping: it spills into the margin, which is
    // not shown.
    const int reach = static_cast<int>(std::floor(outer + 1));
    const int margin = 2 * reach + 1;
    const int width = size.width(), height = size.height();
    const int stride = width + 2 * margin, rows = height + 2 * margin;
    auto* buffer = new std::uint32_t[static_cast<size_t>(stride) * static_cast<size_t>(rows)]();
    std::vector<Sprite> sprites;
    for (int py = 0; py < kPlaces; ++py)
        for (int px = 0; px < kPlaces; ++px)
            sprites.push_back(
                MakeSprite((px + 0.5) / kPlaces, (py + 0.5) / kPlaces, r, outer, stride, crispRings));
    std::vector<Placed> placed;
    placed.reserve(dots.size());
    for (const DotMark& dot : dots) {
        const double cx = (dot.at.x() - origin.x()) * ratio, cy = (dot.at.y() - origin.y()) * ratio;
        if (!(std::fabs(cx) < 1e7 && std::fabs(cy) < 1e7)) continue;
        const int ix = static_cast<int>(std::floor(cx)), iy = static_cast<int>(std::floor(cy));
        if (ix + reach < 0 || ix - reach >= width || iy + reach < 0 || iy - reach >= height) continue;
        const int px = std::min(kPlaces - 1, static_cast<int>((cx - ix) * kPlaces));
        const int py = std::min(kPlaces - 1, static_cast<int>((cy - iy) * kPlaces));
        const int row = iy + margin;
        placed.push_back({row * stride + ix + margin, 0xff000000u | dot.colour,
                          static_cast<std::uint16_t>(py * kPlaces + px), dot.ringed});
    }
    PaintDotsInto(buffer, stride, reach, placed, sprites);
    QImage image(reinterpret_cast<uchar*>(buffer + margin * stride + margin), width, height,
                 static_cast<qsizetype>(stride) * 4, QImage::Format_ARGB32_Premultiplied, FreePadded, buffer);
    image.setDevicePixelRatio(ratio);
    return image;
}

double DotScale(size_t count)
{
    return std::clamp(std::sqrt(2000.0 / std::max<size_t>(count, 1)), 0.45, 1.0);
}

DotLayer DotLayerOf(const QRectF& target, qreal ratio, const std::vector<DotMark>& dots, double radius,
                    double ring, bool crispRings)
{
    if (dots.empty()) return {};
    double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
    for (const DotMark& dot : dots) {
        left = std::min(left, dot.at.x()), right = std::max(right, dot.at.x());
        top = std::min(top, dot.at.y()), bottom = std::max(bottom, dot.at.y());
    }
    const double reach = radius + ring + 2;
    const QRectF area = target.intersected(
        QRectF(QPointF(left - reach, top - reach), QPointF(right + reach, bottom + reach)));
    if (area.isEmpty()) return {};
    const QPoint origin(static_cast<int>(std::floor(area.left())), static_cast<int>(std::floor(area.top())));
    return {DotPicture((area.size() * ratio).toSize() + QSize(2, 2), ratio, dots, radius, ring, origin,
                       crispRings),
            origin};
}

bool TakesDotPictures(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster &&
           painter.transform().type() <= QTransform::TxTranslate;
}

void PaintDotLayer(QPainter& painter, const DotLayer& layer)
{
    if (!layer.image.isNull()) painter.drawImage(layer.origin, layer.image);
}

void PaintDots(QPainter& painter, const QRectF& target, const std::vector<DotMark>& dots, double radius,
               double ring, bool crispRings)
{
    if (dots.empty()) return;
    // On raster devices, as a picture in the painter's own coordinates, of
    // only the part of the target the dots cover: less to clear and to draw.
    if (TakesDotPictures(painter)) {
        const qreal ratio = painter.device()->devicePixelRatioF();
        return PaintDotLayer(painter, DotLayerOf(target, ratio, dots, radius, ring, crispRings));
    }
    painter.save();
    for (const DotMark& dot : dots) {
        painter.setPen(dot.ringed ? QPen(QColor(30, 30, 30), ring) : Qt::NoPen);
        painter.setBrush(QColor(dot.colour));
        painter.drawEllipse(dot.at, radius, radius);
    }
    painter.restore();
}

}  // namespace tensorium
