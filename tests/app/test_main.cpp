// Runs the window tests inside one application object.
#include <gtest/gtest.h>
#include <QApplication>

#include "tests/app/temporary_settings.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // In-process tests need no display: they run on the offscreen screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tensorium::test::UseTemporarySettings();
    QApplication::setStyle("Windows");
    return RUN_ALL_TESTS();
}
