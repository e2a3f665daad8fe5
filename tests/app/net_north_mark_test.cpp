// The "N" on top of the net's primitive circle, painted and in the SVG copy.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "chart/tchart.h"
#include "tests/app/window_fixture.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

class NorthMark : public WindowTest {
protected:
    TChart* Net() const { return Find<TChart>("Chart1"); }
    QRectF Target() const { return QRectF(QPointF(0, 0), QSizeF(Net()->size())); }
    QPointF North() const { return Net()->ToTarget(Target(), 0.0, 1.0); }
};

QFontMetricsF MarkMetrics()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    return QFontMetricsF(font);
}

TEST_F(NorthMark, SvgWritesNCentredJustAboveTheTopOfTheCircle)
{
    const SvgShapes svg = ReadSvgShapes(Net()->ToSvg());
    const SvgText* mark = svg.Text("N");
    ASSERT_NE(mark, nullptr);
    const QFontMetricsF metrics = MarkMetrics();
    EXPECT_NEAR(mark->start.x() + metrics.horizontalAdvance("N") / 2.0, North().x(), 0.5);
    // Its baseline above the circle, its top inside the plot.
    EXPECT_LT(mark->start.y(), North().y());
    EXPECT_GT(mark->start.y(), North().y() - metrics.height());
    EXPECT_GE(mark->start.y() - metrics.ascent(), Net()->PlotRect(Target()).top() - 0.5);
}

TEST_F(NorthMark, PaintedAsDarkPixelsOnAWhiteGroundAboveTheCircle)
{
    for (double factor : {1.0, 3.0}) {
        QImage image((QSizeF(Net()->size()) * factor).toSize(), QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            Net()->Paint(painter, QRectF(image.rect()));
        }
        const QFontMetricsF metrics = MarkMetrics();
        const QPointF north = North() * factor;
        const QRectF glyph(north.x() - metrics.horizontalAdvance("N") / 2.0 * factor,
                           north.y() - (1.0 + metrics.height()) * factor,
                           metrics.horizontalAdvance("N") * factor, metrics.height() * factor);
        int dark = 0, grey = 0;
        for (int y = int(glyph.top()); y < int(glyph.bottom()); ++y) {
            for (int x = int(glyph.left()); x < int(glyph.right()); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.lightness() < 80) ++dark;
                // The dotted grid is silver; none of it shows through the mark's ground.
                if (c == QColor(192, 192, 192)) ++grey;
            }
        }
        // A bold N covers a good part of its box.
        EXPECT_GT(dark, 0.1 * glyph.width() * glyph.height()) << factor;
        EXPECT_EQ(grey, 0) << factor;
        // The circle stays whole under the mark.
        EXPECT_LT(image.pixelColor(int(north.x()), int(north.y())).lightness(), 128) << factor;
    }
}

}  // namespace
}  // namespace tensorium::testing_support
