// Runs window tests on a real X server (the test runs under xvfb-run).
#include <gtest/gtest.h>
#include <QApplication>

#include "tests/app/temporary_settings.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    tensorium::test::UseTemporarySettings();
    QApplication::setStyle("Windows");
    return RUN_ALL_TESTS();
}
