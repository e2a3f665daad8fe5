// What a reader of one of the window's pictures sees: the boxes of its
// labels, as the SVG renderer lays out their text, and the lines drawn.
#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <map>
#include <vector>

namespace tensorium::testing_support {

struct PictureStroke {
    QLineF line;
    double width = 0.0;  // a filled shape's edge counts as a hairline
};

// An arrow drawn as a group: its line and its arrowhead.
struct PictureArrow {
    QPointF start;  // where the line starts
    QPointF tip;    // the point of the arrowhead
};

struct PictureGeometry {
    QRectF viewBox;
    std::map<QString, QRectF> labels;  // every element whose id starts with "label"
    std::vector<PictureStroke> strokes;
    std::vector<QPolygonF> arrowheads;       // filled triangles without an outline
    std::map<QString, PictureArrow> arrows;  // groups whose id starts with "axis"
    bool transformed = false;                // an element moves its content
};

PictureGeometry ReadPicture(const QString& resource);

// The apex of a narrow triangle: the corner facing its shortest side.
QPointF ArrowTip(const QPolygonF& head);

// Whether `stroke`, as wide as it is drawn, crosses `box`.
bool Crosses(const PictureStroke& stroke, const QRectF& box);

// The distance from `point` to the nearest point of `box` (0 inside it).
double Distance(const QRectF& box, const QPointF& point);

}  // namespace tensorium::testing_support
