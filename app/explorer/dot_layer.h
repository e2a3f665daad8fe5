// Many small round dots (the poles or the Mohr points of thousands of
// planes) drawn fast: each dot is a small antialiased disc blended into a
// transparent picture pixel by pixel, which costs a few pixels a dot where
// the painter's own ellipses cost far more. Files get the painter's
// ellipses, as vectors.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <vector>

class QPainter;

namespace tensorium {

struct DotMark {
    QPointF at;
    QRgb colour;
    bool ringed = false;  // a dark ring round it, for the planes that stand out
};

// A transparent picture of `size` device pixels (at `ratio` device pixels a
// unit) holding `dots` of `radius` units, their rings `ring` units wide; its
// top left corner lies at `origin`. Crisp rings have no soft outer edge:
// tens of thousands of them cost half as much, and in a crowd of dots a few
// pixels wide the edge does not show.
QImage DotPicture(const QSize& size, qreal ratio, const std::vector<DotMark>& dots, double radius,
                  double ring, const QPointF& origin = {}, bool crispRings = false);

// How large dots are drawn when there are `count` of them: full size up to
// a couple of thousand, smaller beyond, so that dense sets stay readable
// (and quick to draw).
double DotScale(size_t count);

// Dots as a picture, and where its top left corner lies in the painter's
// coordinates.
struct DotLayer {
    QImage image;
    QPoint origin;
};

// The picture of `dots` within `target` at `ratio` device pixels a unit:
// only the part that the dots cover. Made on any thread.
DotLayer DotLayerOf(const QRectF& target, qreal ratio, const std::vector<DotMark>& dots, double radius,
                    double ring, bool crispRings = false);

// Whether `painter` takes dots as a picture: a raster device without
// scaling or turning.
bool TakesDotPictures(const QPainter& painter);

void PaintDotLayer(QPainter& painter, const DotLayer& layer);

// The dots into `painter`: as a picture on raster devices, as ellipses
// elsewhere; `target` is the area they may cover.
void PaintDots(QPainter& painter, const QRectF& target, const std::vector<DotMark>& dots, double radius,
               double ring, bool crispRings = false);

}  // namespace tensorium
