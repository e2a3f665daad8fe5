// The dots of thousands of planes, blended pixel by pixel: each dot's
// coverage against the disc it stands for, rings, the order of overlapping
// dots, and dots at and beyond the picture's edges.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/explorer/dot_layer.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

// A dot's centre is placed to a quarter of a pixel, the middle of the
// quarter it falls in.
double Quartered(double x) { return std::floor(x) + (std::floor((x - std::floor(x)) * 4) + 0.5) / 4; }

// The coverage of the pixel (x, y) by a disc of radius r round `centre`,
// with the one-pixel ramp at its edge, 0 to 255.
int Coverage(int x, int y, const QPointF& centre, double r)
{
    const double d = std::hypot(x + 0.5 - Quartered(centre.x()), y + 0.5 - Quartered(centre.y()));
    return static_cast<int>(std::lround(255 * std::clamp(r + 0.5 - d, 0.0, 1.0)));
}

TEST(DotLayer, ADotCoversEachPixelAsItsDiscDoes)
{
    const QRgb colour = qRgb(200, 40, 90);
    for (const QPointF& at : {QPointF(10.3, 12.7), QPointF(7.0, 7.0), QPointF(15.99, 3.01)})
        for (double radius : {1.2, 2.0, 3.4}) {
            SCOPED_TRACE(testing::Message() << at.x() << "," << at.y() << " r " << radius);
            const QImage picture = DotPicture(QSize(24, 20), 1, {{at, colour, false}}, radius, 0);
            ASSERT_EQ(picture.size(), QSize(24, 20));
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) {
                    const QRgb pixel = picture.pixel(x, y);  // premultiplied, as stored
                    const int a = Coverage(x, y, at, radius);
                    ASSERT_EQ(qAlpha(pixel), a) << x << "," << y;
                    // Each channel c a / 255, rounded once.
                    EXPECT_NEAR(qRed(pixel), qRed(colour) * a / 255.0, 0.5);
                    EXPECT_NEAR(qGreen(pixel), qGreen(colour) * a / 255.0, 0.5);
                    EXPECT_NEAR(qBlue(pixel), qBlue(colour) * a / 255.0, 0.5);
                }
        }
}

TEST(DotLayer, RingsAreDarkAndLaterDotsLieOverEarlierOnes)
{
    const QRgb first = qRgb(0, 0, 255), second = qRgb(255, 200, 0);
    const QPointF at(20.5, 20.5);
    const QImage picture = DotPicture(QSize(40, 40), 1, {{at, first, false}, {at, second, true}}, 3, 2);
    EXPECT_EQ(picture.pixel(20, 20), second);           // the later disc
    EXPECT_EQ(picture.pixel(20 + 4, 20), 0xff1e1e1eu);  // its ring, 4 px out (3 to 5)
    EXPECT_EQ(picture.pixel(20 - 4, 20), 0xff1e1e1eu);
    EXPECT_EQ(qAlpha(picture.pixel(20 + 7, 20)), 0);  // beyond the ring
    // The earlier, unringed dot does not show through the later one.
    for (int x = 14; x <= 26; ++x) EXPECT_NE(picture.pixel(x, 20), first) << x;

    // The other way round, the first dot's disc hides the second's centre.
    const QImage swapped = DotPicture(QSize(40, 40), 1, {{at, second, true}, {at, first, false}}, 3, 2);
    EXPECT_EQ(swapped.pixel(20, 20), first);
    EXPECT_EQ(swapped.pixel(20 + 4, 20), 0xff1e1e1eu);  // the ring outside the later disc stays
}

// Crisp rings cover a pixel wholly or not at all, so that tens of
// thousands are laid without reading what lies beneath; their discs keep
// their soft edge.
TEST(DotLayer, CrispRingsHaveNoSoftEdge)
{
    const QRgb colour = qRgb(255, 200, 0);
    const QImage soft = DotPicture(QSize(30, 30), 1, {{{15.3, 15.6}, colour, true}}, 3, 1.5);
    const QImage crisp = DotPicture(QSize(30, 30), 1, {{{15.3, 15.6}, colour, true}}, 3, 1.5, {}, true);
    int partial = 0, softPartial = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const QRgb c = crisp.pixel(x, y);
            const int a = qAlpha(c);
            // Outside the disc's own edge a pixel is the ring's dark or empty.
            const double d = std::hypot(x + 0.5 - 15.375, y + 0.5 - 15.625);
            if (d > 3.5) {
                EXPECT_TRUE(a == 0 || c == 0xff1e1e1eu) << x << "," << y;
            }
            partial += a > 0 && a < 255;
            softPartial += qAlpha(soft.pixel(x, y)) > 0 && qAlpha(soft.pixel(x, y)) < 255;
        }
    EXPECT_EQ(partial, 0) << "the disc lies on the ring, which covers its edge";
    EXPECT_GT(softPartial, 10);
    EXPECT_EQ(crisp.pixel(15, 15), colour);
}

TEST(DotLayer, DotsAtAndBeyondTheEdgesDrawOnlyWhatLiesWithin)
{
    const QRgb colour = qRgb(10, 120, 10);
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    const std::vector<DotMark> dots = {{{-1.5, -1.5}, colour, true},   {{30.5, 10.5}, colour, true},
                                       {{10.5, 21.0}, colour, false},  {{-40, 10}, colour, true},
                                       {{nan, 5}, colour, false},      {{5, inf}, colour, false},
                                       {{1e300, -1e300}, colour, true}};
    const QImage picture = DotPicture(QSize(30, 20), 1, dots, 2.5, 1.5);
    ASSERT_EQ(picture.size(), QSize(30, 20));
    EXPECT_GT(qAlpha(picture.pixel(0, 0)), 0);    // the corner of the dot above left
    EXPECT_GT(qAlpha(picture.pixel(29, 10)), 0);  // the edge of the dot on the right
    EXPECT_EQ(picture.pixel(10, 19), colour);     // the top of the dot below
    EXPECT_EQ(qAlpha(picture.pixel(15, 5)), 0);   // nothing else
    EXPECT_TRUE(DotPicture(QSize(0, 10), 1, dots, 2, 1).isNull());
}

TEST(DotLayer, AtTwiceThePixelsADotLiesWhereItsUnitsSay)
{
    const QRgb colour = qRgb(90, 90, 250);
    const QImage picture = DotPicture(QSize(40, 40), 2, {{{5.25, 7.75}, colour, false}}, 2, 0);
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.pixel(10, 15), colour);
    // A picture whose corner lies at (1, 2) has the dot as far closer.
    const QImage offset = DotPicture(QSize(40, 40), 2, {{{5.25, 7.75}, colour, false}}, 2, 0, QPointF(1, 2));
    EXPECT_EQ(offset.pixel(8, 11), colour);
}

}  // namespace
}  // namespace tensorium
