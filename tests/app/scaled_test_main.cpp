// Runs window tests at a fractional scale factor (1.5), where a widget that
// paints outside its rectangle or updates less than it painted leaves stale
// pixels on the screen.
#include <gtest/gtest.h>
#include <QApplication>

#include "tests/app/temporary_settings.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication application(argc, argv);
    tensorium::test::UseTemporarySettings();
    QApplication::setStyle("Windows");
    return RUN_ALL_TESTS();
}
