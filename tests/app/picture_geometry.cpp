#include "tests/app/picture_geometry.h"
#include "tests/chart/svg_shapes.h"

#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace tensorium::testing_support {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Style {
    QString stroke = QStringLiteral("none");
    QString fill = QStringLiteral("#000000");
    double strokeWidth = 1.0;
    QString group;  // id of the innermost group with one
};

Style Inherit(const Style& outer, const QXmlStreamAttributes& attributes)
{
    Style style = outer;
    if (attributes.hasAttribute("stroke")) style.stroke = attributes.value("stroke").toString().toLower();
    if (attributes.hasAttribute("fill")) style.fill = attributes.value("fill").toString().toLower();
    if (attributes.hasAttribute("stroke-width"))
        style.strokeWidth = attributes.value("stroke-width").toDouble();
    if (attributes.hasAttribute("id")) style.group = attributes.value("id").toString();
    return style;
}

// The outline of a circle, fine enough that no label fits between it and the circle.
QPolygonF CircleOutline(const QXmlStreamAttributes& a)
{
    const QPointF centre(a.value("cx").toDouble(), a.value("cy").toDouble());
    const double r = a.value("r").toDouble();
    QPolygonF outline;
    for (int i = 0; i < 32; ++i)
        outline << centre + r * QPointF(std::cos(i * kPi / 16.0), std::sin(i * kPi / 16.0));
    return outline;
}

void AddShape(PictureGeometry& picture, const Style& style, const QPolygonF& points, bool closed)
{
    if (points.size() < 2) return;
    const bool stroked = style.stroke != QStringLiteral("none");
    const bool filled =
        closed && style.fill != QStringLiteral("none") && style.fill != QStringLiteral("#ffffff");
    if (!stroked && !filled) return;  // a white ground, seen only as the absence of what it covers
    const double width = stroked ? style.strokeWidth : 0.0;
    for (int i = 0; i + 1 < points.size(); ++i)
        picture.strokes.push_back({{points[i], points[i + 1]}, width});
    if (closed) picture.strokes.push_back({{points.back(), points.front()}, width});
    if (closed && !stroked && points.size() == 3) picture.arrowheads.push_back(points);
}

void AddToArrow(PictureGeometry& picture, const Style& style, const QString& name, const QPolygonF& points)
{
    if (!style.group.startsWith(QStringLiteral("axis")) || points.isEmpty()) return;
    PictureArrow& arrow = picture.arrows[style.group];
    if (name == QStringLiteral("line")) arrow.start = points.front();
    if (name == QStringLiteral("polygon")) arrow.tip = ArrowTip(points);
}

}  // namespace

PictureGeometry ReadPicture(const QString& resource)
{
    PictureGeometry picture;
    QSvgRenderer renderer(resource);
    picture.viewBox = renderer.viewBoxF();

    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return picture;
    QXmlStreamReader reader(&file);
    std::vector<Style> styles{Style{}};
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            styles.pop_back();
            continue;
        }
        if (!reader.isStartElement()) continue;
        const QXmlStreamAttributes a = reader.attributes();
        styles.push_back(Inherit(styles.back(), a));
        const Style& style = styles.back();
        if (a.hasAttribute("transform")) picture.transformed = true;
        const QString id = a.value("id").toString();
        if (id.startsWith(QStringLiteral("label"))) picture.labels[id] = renderer.boundsOnElement(id);

        const QString name = reader.name().toString();
        QPolygonF points;
        bool closed = false;
        if (name == QStringLiteral("line")) {
            points << QPointF(a.value("x1").toDouble(), a.value("y1").toDouble())
                   << QPointF(a.value("x2").toDouble(), a.value("y2").toDouble());
        } else if (name == QStringLiteral("polyline") || name == QStringLiteral("polygon")) {
            points = ParsePoints(a.value("points").toString());
            closed = name == QStringLiteral("polygon");
        } else if (name == QStringLiteral("circle")) {
            points = CircleOutline(a);
            closed = true;
        }
        AddShape(picture, style, points, closed);
        AddToArrow(picture, style, name, points);
    }
    return picture;
}

QPointF ArrowTip(const QPolygonF& head)
{
    int apex = 0;
    double shortest = INFINITY;
    for (int i = 0; i < head.size(); ++i) {
        // The side facing corner i joins the two other corners.
        const double side = QLineF(head[(i + 1) % head.size()], head[(i + 2) % head.size()]).length();
        if (side < shortest) {
            shortest = side;
            apex = i;
        }
    }
    return head.isEmpty() ? QPointF() : head[apex];
}

bool Crosses(const PictureStroke& stroke, const QRectF& box)
{
    const double half = stroke.width / 2.0;
    const QRectF grown = box.adjusted(-half, -half, half, half);
    const QLineF& line = stroke.line;
    if (grown.contains(line.p1()) || grown.contains(line.p2())) return true;
    const QLineF sides[4] = {{grown.topLeft(), grown.topRight()},
                             {grown.topRight(), grown.bottomRight()},
                             {grown.bottomRight(), grown.bottomLeft()},
                             {grown.bottomLeft(), grown.topLeft()}};
    for (const QLineF& side : sides) {
        if (line.intersects(side, nullptr) == QLineF::BoundedIntersection) return true;
    }
    return false;
}

double Distance(const QRectF& box, const QPointF& point)
{
    const double dx = std::max({box.left() - point.x(), 0.0, point.x() - box.right()});
    const double dy = std::max({box.top() - point.y(), 0.0, point.y() - box.bottom()});
    return std::hypot(dx, dy);
}

}  // namespace tensorium::testing_support
