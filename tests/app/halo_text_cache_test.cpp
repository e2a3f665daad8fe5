// Haloed labels copied from kept pixels must look exactly as those drawn
// directly: at whole and fractional positions, under a translated painter,
// at two device pixels a unit, over light and dark grounds.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "app/explorer/halo_text_cache.h"
#include "tests/app/image_difference.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

using testing_support::LargestDifference;

QImage Ground(qreal ratio, const QColor& colour)
{
    QImage image(QSize(220, 90) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(colour);
    return image;
}

QFont LabelFont(int pixels)
{
    QFont font("Liberation Sans");
    font.setPixelSize(pixels);
    return font;
}

int InkedPixels(const QImage& image, QRgb ground)
{
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) inked += image.pixel(x, y) != ground;
    return inked;
}

TEST(HaloTextCache, KeptLabelsLookAsLabelsDrawnDirectly)
{
    const QString text = QString::fromUtf8("σ'1 = 12,5 MPa ∠");
    for (qreal ratio : {1.0, 2.0})
        for (const QColor& ground : {QColor(Qt::white), QColor(20, 60, 140)})
            for (int pixels : {11, 26})
                for (const QPointF& at : {QPointF(10, 40), QPointF(12.25, 41.5), QPointF(30.75, 55.25)}) {
                    SCOPED_TRACE(testing::Message()
                                 << ratio << " " << pixels << " px at " << at.x() << "," << at.y());
                    QImage direct = Ground(ratio, ground), kept = Ground(ratio, ground);
                    HaloTextCache cache;
                    for (QImage* image : {&direct, &kept}) {
                        QPainter painter(image);
                        painter.setRenderHint(QPainter::Antialiasing);
                        painter.setFont(LabelFont(pixels));
                        painter.setPen(QColor(150, 20, 20));
                        painter.translate(5, -3);  // as a diagram within its widget
                        if (image == &direct)
                            DrawHaloPixels(painter, at, text, 3);
                        else
                            ASSERT_TRUE(cache.Draw(painter, at, text, 3));
                    }
                    EXPECT_GT(InkedPixels(direct, ground.rgb()), 50 * ratio * ratio);
                    // Composited once rather than pass by pass: nine roundings
                    // apart at most (2 levels measured).
                    EXPECT_LE(LargestDifference(direct, kept), 2);
                }
}

TEST(HaloTextCache, ALabelDrawnAgainIsCopiedAndMovesWithItsPosition)
{
    HaloTextCache cache;
    QImage first = Ground(1, Qt::white), again = Ground(1, Qt::white);
    for (QImage* image : {&first, &again}) {
        QPainter painter(image);
        painter.setFont(LabelFont(14));
        painter.setPen(Qt::black);
        ASSERT_TRUE(cache.Draw(painter, image == &first ? QPointF(20, 40) : QPointF(57, 52), "s1", 2.5));
    }
    EXPECT_EQ(cache.Size(), 1);
    // The same pixels, 37 to the right and 12 down.
    for (int y = 0; y + 12 < first.height(); ++y)
        for (int x = 0; x + 37 < first.width(); ++x)
            ASSERT_EQ(first.pixel(x, y), again.pixel(x + 37, y + 12)) << x << "," << y;
    EXPECT_GT(InkedPixels(first, qRgb(255, 255, 255)), 20);

    // Another colour, size or halo is another label.
    QPainter painter(&first);
    painter.setFont(LabelFont(14));
    painter.setPen(Qt::red);
    cache.Draw(painter, QPointF(20, 40), "s1", 2.5);
    painter.setFont(LabelFont(15));
    cache.Draw(painter, QPointF(20, 40), "s1", 2.5);
    cache.Draw(painter, QPointF(20, 40), "s1", 3);
    EXPECT_EQ(cache.Size(), 4);
}

TEST(HaloTextCache, TurnedOrScaledPaintersAreLeftToDrawDirectly)
{
    HaloTextCache cache;
    QImage image = Ground(1, Qt::white);
    QPainter painter(&image);
    painter.setFont(LabelFont(14));
    painter.rotate(30);
    EXPECT_FALSE(cache.Draw(painter, QPointF(20, 40), "s1", 2));
    painter.resetTransform();
    painter.scale(2, 2);
    EXPECT_FALSE(cache.Draw(painter, QPointF(20, 40), "s1", 2));
    painter.resetTransform();
    painter.setOpacity(0.5);
    EXPECT_FALSE(cache.Draw(painter, QPointF(20, 40), "s1", 2));
    EXPECT_EQ(cache.Size(), 0);
    EXPECT_EQ(InkedPixels(image, qRgb(255, 255, 255)), 0);
}

}  // namespace
}  // namespace tensorium
