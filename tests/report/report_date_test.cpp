#include "report/report_renderer.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

TEST(ReportDateTime, ShortDateAndLongTimeWithoutZone)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QDate date(2026, 12, 8);
    EXPECT_EQ(ReportDateTimeText(QDateTime(date, QTime(14, 3, 5)), english), "12/8/26 2:03:05 PM");
    EXPECT_EQ(ReportDateTimeText(QDateTime(date, QTime(0, 0)), english), "12/8/26") << "midnight: date alone";
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ReportDateTimeText(QDateTime(date, QTime(14, 3, 5)), german), "08.12.26 14:03:05");
}

}  // namespace
}  // namespace tensorium
