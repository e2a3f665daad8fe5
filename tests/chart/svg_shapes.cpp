#include "tests/chart/svg_shapes.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace tensorium::testing_support {

namespace {

struct GroupStyle {
    QString stroke;
    QString fill;
    bool dashed = false;
    QTransform transform;
};

QTransform ParseTransform(const QString& text)
{
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = matrix.match(text);
    if (!match.hasMatch()) return {};
    const QStringList v = match.captured(1).split(',');
    if (v.size() != 6) return {};
    return QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(), v[4].toDouble(),
                      v[5].toDouble());
}

GroupStyle Inherit(const GroupStyle& outer, const QXmlStreamAttributes& attributes)
{
    GroupStyle style = outer;
    if (attributes.hasAttribute("stroke")) style.stroke = attributes.value("stroke").toString().toLower();
    if (attributes.hasAttribute("fill")) style.fill = attributes.value("fill").toString().toLower();
    if (attributes.hasAttribute("stroke-dasharray")) {
        style.dashed = attributes.value("stroke-dasharray").toString() != QStringLiteral("none");
    }
    if (attributes.hasAttribute("transform")) {
        style.transform = ParseTransform(attributes.value("transform").toString()) * outer.transform;
    }
    return style;
}

}  // namespace

std::vector<SvgLine> SvgShapes::Lines(const QString& stroke, bool dashed) const
{
    std::vector<SvgLine> found;
    for (const SvgLine& line : lines) {
        if (line.stroke == stroke.toLower() && line.dashed == dashed) found.push_back(line);
    }
    return found;
}

bool SvgShapes::HasText(const QString& text) const { return Text(text) != nullptr; }

const SvgText* SvgShapes::Text(const QString& text) const
{
    for (const SvgText& candidate : texts) {
        if (candidate.text == text) return &candidate;
    }
    return nullptr;
}

QPolygonF ParsePoints(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("-?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?"));
    std::vector<double> numbers;
    auto it = number.globalMatch(text);
    while (it.hasNext()) numbers.push_back(it.next().captured().toDouble());
    QPolygonF points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) points << QPointF(numbers[i], numbers[i + 1]);
    return points;
}

SvgShapes ReadSvgShapes(const QByteArray& svg)
{
    SvgShapes shapes;
    std::vector<GroupStyle> styles{GroupStyle{}};
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            styles.pop_back();
            continue;
        }
        if (!reader.isStartElement()) continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const GroupStyle style = Inherit(styles.back(), attributes);
        styles.push_back(style);
        const auto name = reader.name();
        if (name == QStringLiteral("polyline") || name == QStringLiteral("path")) {
            const QString data = attributes.value(name == QStringLiteral("path") ? "d" : "points").toString();
            shapes.lines.push_back(
                {name.toString(), style.stroke, style.dashed, style.transform.map(ParsePoints(data))});
        } else if (name == QStringLiteral("circle") || name == QStringLiteral("ellipse")) {
            const QPointF centre(attributes.value("cx").toDouble(), attributes.value("cy").toDouble());
            const double radius = attributes.value(name == QStringLiteral("circle") ? "r" : "rx").toDouble();
            // The length of a transformed radius, for transforms that keep circles round.
            const double scale = std::hypot(style.transform.m11(), style.transform.m12());
            shapes.discs.push_back({style.fill, style.transform.map(centre), radius * scale});
        } else if (name == QStringLiteral("text")) {
            const QPointF start(attributes.value("x").toDouble(), attributes.value("y").toDouble());
            const bool turned = !style.transform.isIdentity() && style.transform.m11() == 0.0;
            shapes.texts.push_back({reader.readElementText(), style.transform.map(start), turned});
            styles.pop_back();  // readElementText consumed the end element
        }
    }
    return shapes;
}

}  // namespace tensorium::testing_support
