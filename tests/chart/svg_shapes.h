// What a reader of a chart's SVG sees: its lines with their stroke colours
// and points, its texts with where they start, and its filled circles.
#pragma once

#include <QByteArray>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <vector>

namespace tensorium::testing_support {

struct SvgLine {
    QString tag;     // polyline or path
    QString stroke;  // "#rrggbb", inherited from the enclosing groups
    bool dashed = false;
    QPolygonF points;  // in the document's coordinates
};

struct SvgText {
    QString text;
    QPointF start;        // in the document's coordinates
    bool turned = false;  // drawn under a rotation
};

struct SvgDisc {
    QString fill;  // "#rrggbb", inherited from the enclosing groups
    QPointF centre;
    double radius = 0.0;  // in the document's coordinates
};

struct SvgShapes {
    std::vector<SvgLine> lines;
    std::vector<SvgText> texts;
    std::vector<SvgDisc> discs;  // circles and ellipses

    std::vector<SvgLine> Lines(const QString& stroke, bool dashed = false) const;
    bool HasText(const QString& text) const;
    const SvgText* Text(const QString& text) const;
};

SvgShapes ReadSvgShapes(const QByteArray& svg);

// Every coordinate pair of a points list or of a path of straight segments.
QPolygonF ParsePoints(const QString& text);

}  // namespace tensorium::testing_support
