// The page design of the printed report of the analysis.
#include "app/main_window/tensorium_report_design.h"

#include "app/app_identity.h"

namespace tensorium {
namespace {

const ReportFont kPlain{"Arial", 10, false};
const ReportFont kBold{"Arial", 10, true};
const ReportFont kHeading{"Arial", 12, false};
const ReportFont kTitle{"Arial", 14, true};
const ReportFont kFooter{"Arial", 8, false};

class DesignBuilder {
public:
    void Text(const char* name, double x, double y, const ReportFont& font, const QString& text = {})
    {
        ReportElement e;
        e.name = name;
        e.x = x;
        e.y = y;
        e.font = font;
        e.text = text;
        design.elements.push_back(e);
    }
    void Footer(const char* name, double y, const QString& text)
    {
        Text(name, 187.0, y, kFooter, text);
        design.elements.back().align = ReportElement::Align::Right;
    }
    void Rule(const char* name, double y)
    {
        ReportElement e;
        e.name = name;
        e.kind = ReportElement::Kind::Rule;
        e.x = 8.5;
        e.y = y;
        e.width = 148.9;
        e.height = 4.9;
        design.elements.push_back(e);
    }
    // Three elements across the page at the usual column positions.
    void Row(const char* a, const char* b, const char* c, double y, const ReportFont& font,
             double firstX = 12.7)
    {
        Text(a, firstX, y, font);
        Text(b, 84.7, y, font);
        Text(c, 160.9, y, font);
    }

    ReportDesign design;
};

}  // namespace

ReportDesign TensoriumReportDesign()
{
    DesignBuilder b;
    b.Text("QRLabel1", 56.4, 1.4, kTitle, "Tensorium");
    b.Text("QRSysData1", 165.1, 2.8, kPlain);
    b.design.elements.back().kind = ReportElement::Kind::DateTime;

    b.Text("QRLabel8", 12.7, 12.7, kHeading, "Global coordinate sytem (X, Y, Z)");
    b.Text("QRLabel2", 14.1, 19.8, kBold);
    b.Text("QRLabel3", 14.1, 26.8, kBold);
    b.Text("QRLabel4", 14.1, 33.9, kBold);
    b.Text("QRLabel5", 84.7, 19.8, kBold);
    b.Text("QRLabel6", 84.7, 26.8, kBold);
    b.Text("QRLabel7", 84.7, 33.9, kBold);
    b.Rule("QRShape1", 39.5);

    b.Text("QRLabel10", 12.7, 53.6, kHeading, "Principal system (x1, x2, x3)");
    b.Row("QRLabel9", "QRLabel11", "QRLabel12", 63.5, kBold);
    b.Row("QRLabel13", "QRLabel14", "QRLabel15", 72.0, kPlain);
    b.Row("QRLabel16", "QRLabel17", "QRLabel18", 80.4, kPlain);
    b.Row("QRLabel19", "QRLabel20", "QRLabel21", 93.1, kPlain);
    b.Row("QRLabel22", "QRLabel23", "QRLabel24", 101.6, kPlain);
    b.Row("QRLabel25", "QRLabel26", "QRLabel27", 110.1, kPlain);
    b.Rule("QRShape2", 115.7);

    b.Text("QRLabel28", 12.7, 127.0, kHeading, "User defined system (x', y', z')");
    b.Row("QRLabel29", "QRLabel30", "QRLabel31", 135.5, kPlain, 14.1);
    b.Row("QRLabel32", "QRLabel33", "QRLabel34", 146.8, kBold, 14.1);
    b.Row("QRLabel35", "QRLabel36", "QRLabel37", 155.2, kBold, 14.1);
    b.Rule("QRShape3", 160.9);

    b.Text("QRLabel38", 12.7, 172.2, kHeading, "Joint calculations");
    b.Text("QRLabel39", 16.9, 180.6, kPlain);
    b.Text("QRLabel40", 84.7, 180.6, kPlain);
    b.Text("QRLabel41", 16.9, 189.1, kPlain);
    b.Text("QRLabel42", 84.7, 189.1, kPlain);
    b.Text("QRLabel43", 16.9, 206.0, kBold);
    b.Text("QRLabel44", 84.7, 206.0, kBold);
    b.Text("QRLabel45", 16.9, 214.5, kBold);
    b.Text("QRLabel46", 84.7, 214.5, kBold);
    b.Rule("QRShape4", 225.8);

    b.Text("QRLabel47", 12.7, 237.1, kHeading, "Comments");
    b.Text("QRLabel48", 16.9, 245.5, kPlain);
    b.Text("QRLabel49", 16.9, 254.0, kPlain);
    b.Footer("QRLabel50", 259.6, "Tensorium");
    b.Footer("QRLabel51", 265.3, identity::kInstitution);
    b.Footer("QRLabel52", 270.9, identity::kLaboratory);
    b.Footer("QRLabel53", 276.6, identity::kLaboratoryUrl);
    return b.design;
}

}  // namespace tensorium
