// Runs the regional tests inside one application object, after making sure
// that the C library's locale really is the one named in LC_ALL: a locale
// that is not installed leaves the C library in "C" without a word, and the
// tests would then prove nothing about the regional settings.
#include <gtest/gtest.h>
#include <QApplication>

#include <clocale>
#include <cstdio>
#include <string>

#include "tests/app/temporary_settings.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);  // sets the C library's locale from the environment
    tensorium::test::UseTemporarySettings();
    QApplication::setStyle("Windows");
    const std::string wanted = qEnvironmentVariable("LC_ALL").toStdString();
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (wanted.empty() || !numeric || wanted != numeric) {
        std::fprintf(stderr, "the C library's LC_NUMERIC is '%s', not LC_ALL='%s' (locale not compiled?)\n",
                     numeric ? numeric : "", wanted.c_str());
        return 1;
    }
    std::printf("C library locale %s, decimal point '%s'\n", numeric, std::localeconv()->decimal_point);
    return RUN_ALL_TESTS();
}
