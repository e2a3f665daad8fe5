#include "chart/print_layout.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

TEST(ChartPrintRect, FifteenPercentMarginsAndTheOnScreenProportions)
{
    const QRectF portrait(0, 0, 2000, 3000);
    // Wider than high: left and right stay at 15 %, top and bottom are recomputed.
    const QRectF net = ChartPrintRect(portrait, QSize(369, 365));
    EXPECT_DOUBLE_EQ(net.left(), 300);
    EXPECT_DOUBLE_EQ(net.width(), 1400);
    EXPECT_NEAR(net.width() / net.height(), 369.0 / 365.0, 1e-12);
    EXPECT_NEAR(net.center().y(), 1500, 1e-9);

    // Higher than wide: top and bottom stay, left and right are recomputed.
    const QRectF landscape(0, 0, 3000, 2000);
    const QRectF tall = ChartPrintRect(landscape, QSize(300, 400));
    EXPECT_DOUBLE_EQ(tall.top(), 300);
    EXPECT_DOUBLE_EQ(tall.height(), 1400);
    EXPECT_NEAR(tall.width(), 1050, 1e-9);
    EXPECT_NEAR(tall.center().x(), 1500, 1e-9);

    // A square chart counts as high: the left and right pair is recomputed.
    const QRectF square = ChartPrintRect(portrait, QSize(100, 100));
    EXPECT_DOUBLE_EQ(square.top(), 450);
    EXPECT_DOUBLE_EQ(square.width(), square.height());
}

}  // namespace
}  // namespace tensorium
