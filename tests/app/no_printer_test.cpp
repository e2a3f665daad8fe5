// The print commands with no printing service at all (run with CUPS_SERVER
// pointing where nothing answers).
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

using NoPrinter = WindowTest;

TEST_F(NoPrinter, PrintCommandsReportTheMissingPrinterAndTheProgramGoesOn)
{
    for (const char* command : {"mnuPrintForm", "mnuPrintStereograph", "mnuPrintMohrCircles"})
        Action(command)->trigger();
    EXPECT_EQ(failures, QStringList(3, "There is no default printer currently selected"));
    EXPECT_TRUE(window->isVisible());
    Find("input_sx")->setText("1");
    Action("mnuAngleLeft")->trigger();
    EXPECT_EQ(failures.size(), 3);
}

}  // namespace
}  // namespace tensorium::testing_support
