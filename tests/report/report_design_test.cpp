// Filling the report design: a name that is not a text element is refused
// in every build, not only where assertions are compiled in.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/main_window/tensorium_report_design.h"

namespace tensorium {
namespace {

TEST(ReportDesign, SetTextFillsTextElementsAndRefusesEverythingElse)
{
    ReportDesign design = TensoriumReportDesign();
    design.SetText("QRLabel2", "sx=1.000");
    EXPECT_EQ(design.Find("QRLabel2")->text, "sx=1.000");

    EXPECT_THROW(design.SetText("QRLabelMissing", "x"), std::logic_error);
    for (const ReportElement& element : TensoriumReportDesign().elements) {
        if (element.kind == ReportElement::Kind::Text) continue;
        EXPECT_THROW(design.SetText(element.name, "x"), std::logic_error) << element.name.toStdString();
    }
}

}  // namespace
}  // namespace tensorium
