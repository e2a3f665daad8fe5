// A one-band A4 page design held as data: text elements at millimetre
// positions, one date-and-time element and horizontal rules.
#pragma once

#include <QString>
#include <vector>

namespace tensorium {

struct ReportFont {
    QString family = "Arial";
    double pointSize = 10;
    bool bold = false;
};

struct ReportElement {
    enum class Kind { Text, DateTime, Rule };
    enum class Align { Left, Right };

    QString name;  // e.g. "QRLabel2"
    Kind kind = Kind::Text;
    double x = 0, y = 0;  // mm from the band's top-left corner; for Align::Right, x is the right edge
    Align align = Align::Left;
    ReportFont font;
    QString text;                  // fixed or filled before each generation
    double width = 0, height = 0;  // a rule's box, mm; the line runs through its middle
};

struct ReportDesign {
    double paperWidth = 210, paperHeight = 297;  // A4 portrait, mm
    double margin = 10;                          // on every side, mm
    double bandWidth = 189.79, bandHeight = 280.46;
    std::vector<ReportElement> elements;

    ReportElement* Find(const QString& name);
    const ReportElement* Find(const QString& name) const;
    // Sets the text of a text element. An unknown name is a programming error,
    // reported in every build by std::logic_error.
    void SetText(const QString& name, const QString& text);
};

}  // namespace tensorium
