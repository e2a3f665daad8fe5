// The Mohr circles page as a user sees it: round circles, a tau range
// symmetric about zero, labels at both ends of each axis, and a dot where a
// circle has shrunk to a point.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "chart/chart_text.h"
#include "chart/tchart.h"
#include "tests/app/window_fixture.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

const QStringList kDefault{"3.4", "1", "8", "1", "-1", "2"};
const QStringList kNegative{"-3.4", "-1", "-8", "-1", "1", "-2"};
const QStringList kLarge{"1e9", "2e9", "-3e9", "0", "1e9", "0"};
const QStringList kAllEqual{"5", "5", "5", "0", "0", "0"};
const QStringList kUpperPairEqual{"5", "5", "1", "0", "0", "0"};  // s1 = s2
const QStringList kLowerPairEqual{"5", "1", "1", "0", "0", "0"};  // s2 = s3

class MohrPage : public WindowTest {
protected:
    TChart* Chart() const { return Find<TChart>("Chart2"); }
    QRectF Target() const { return QRectF(QPointF(0, 0), QSizeF(Chart()->size())); }
    QRectF Plot() const { return Chart()->PlotRect(Target()); }
    void Show(const QStringList& state)
    {
        SetGlobal(state);
        Find<QPushButton>("btnCalculate")->click();
        ASSERT_TRUE(failures.isEmpty());
    }
    const std::vector<ChartPoint>& Points(const char* series) const
    {
        return Find<TChartSeries>(series)->Points();
    }
    // The value of the bottom (horizontal) or left axis at a place of the
    // chart, from where 0 and a value as large as the stresses land.
    double ValueAt(double place, bool horizontal) const
    {
        double unit = 0.0;
        for (const ChartPoint& p : Points("seriesS1S3")) unit = std::max(unit, std::fabs(p.x));
        if (unit == 0.0) unit = 1.0;
        const QPointF zero = Chart()->ToTarget(Target(), 0.0, 0.0);
        const QPointF far = Chart()->ToTarget(Target(), horizontal ? unit : 0.0, horizontal ? 0.0 : unit);
        return unit * (horizontal ? (place - zero.x()) / (far.x() - zero.x())
                                  : (place - zero.y()) / (far.y() - zero.y()));
    }
    QImage Render(double factor) const
    {
        QImage image((QSizeF(Chart()->size()) * factor).toSize(), QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        Chart()->Paint(painter, QRectF(image.rect()));
        return image;
    }
};

// The numbers written left of the plot (tau) or below it (sigma).
std::vector<SvgText> AxisLabels(const SvgShapes& svg, const QRectF& plot, bool left)
{
    std::vector<SvgText> found;
    for (const SvgText& text : svg.texts) {
        bool number = false;
        text.text.toDouble(&number);
        if (!number || text.turned) continue;
        const bool below = text.start.y() > plot.bottom() + QFontMetricsF(AxisLabelFont()).ascent();
        if (left ? !below && text.start.x() < plot.left() : below) found.push_back(text);
    }
    return found;
}

// The box a label's text fills, from where its baseline starts.
QRectF TextBox(const SvgText& text)
{
    const QFontMetricsF metrics(AxisLabelFont());
    return QRectF(text.start.x(), text.start.y() - metrics.ascent(), metrics.horizontalAdvance(text.text),
                  metrics.height());
}

// The bounding box of the pixels of one colour.
QRect PixelsOf(const QImage& image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST_F(MohrPage, CirclesAreRoundOnScreenAndInSvg)
{
    for (const QStringList& state : {kDefault, kNegative, kLarge}) {
        Show(state);
        const SvgShapes svg = ReadSvgShapes(Chart()->ToSvg());
        for (const char* name : {"seriesS1S2", "seriesS1S3", "seriesS2S3"}) {
            const std::vector<ChartPoint>& points = Points(name);
            const auto [left, right] = std::minmax_element(
                points.begin(), points.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
            const auto [low, high] = std::minmax_element(
                points.begin(), points.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
            const QPointF a = Chart()->ToTarget(Target(), left->x, low->y);
            const QPointF b = Chart()->ToTarget(Target(), right->x, high->y);
            const double across = (b.x() - a.x()) / (right->x - left->x);
            const double down = (a.y() - b.y()) / (high->y - low->y);
            EXPECT_NEAR(across / down, 1.0, 1e-9) << name;
        }
        // The largest circle as the SVG draws it: 91 points, as wide as high
        // but for the top and bottom points it skips (sin 88 degrees).
        int found = 0;
        for (const SvgLine& line : svg.Lines("#000000")) {
            if (line.points.size() != 91) continue;
            ++found;
            const QRectF box = line.points.boundingRect();
            EXPECT_NEAR(box.height() / box.width(), std::sin(88.0 * M_PI / 180.0), 1e-4);
        }
        EXPECT_EQ(found, 1);
    }
}

TEST_F(MohrPage, PaintedCirclesAreRoundAtTwiceTheSize)
{
    const QImage image = Render(2.0);
    const std::vector<ChartPoint>& points = Points("seriesS2S3");
    const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                                                   [](const auto& a, const auto& b) { return a.x < b.x; });
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const auto& a, const auto& b) { return a.y < b.y; });
    // The lime circle is drawn last, over the ends it shares with the others,
    // and only it is pure lime; its pen adds the same width both ways.
    const QRect lime = PixelsOf(image, qRgb(0, 255, 0));
    ASSERT_FALSE(lime.isEmpty());
    const double across = lime.width() / (right->x - left->x);
    const double down = lime.height() / (high->y - low->y);
    // Antialiased ends may show one more or one fewer pure pixel on each side.
    EXPECT_NEAR(across, down, 4.0 / (right->x - left->x)) << lime.width() << " x " << lime.height();
}

TEST_F(MohrPage, TauIsSymmetricAndEveryPointInsideThePlot)
{
    for (const QStringList& state : {kDefault, kNegative, kLarge, kAllEqual}) {
        Show(state);
        const QRectF plot = Plot().adjusted(-0.01, -0.01, 0.01, 0.01);
        EXPECT_NEAR(Chart()->ToTarget(Target(), 0.0, 0.0).y(), Plot().center().y(), 1e-9);
        EXPECT_NEAR(ValueAt(Plot().top(), false), -ValueAt(Plot().bottom(), false),
                    1e-12 * std::fabs(ValueAt(Plot().top(), false)));
        const SvgShapes svg = ReadSvgShapes(Chart()->ToSvg());
        for (const char* colour : {"#ff0000", "#000000", "#00ff00"}) {
            for (const SvgLine& line : svg.Lines(colour)) {
                if (line.points.size() != 91) continue;
                for (const QPointF& point : line.points) EXPECT_TRUE(plot.contains(point)) << colour;
            }
        }
    }
}

TEST_F(MohrPage, BothEndsOfEachAxisAreLabelled)
{
    for (const QStringList& state : {kDefault, kNegative, kLarge, kAllEqual}) {
        Show(state);
        const QRectF plot = Plot();
        const SvgShapes svg = ReadSvgShapes(Chart()->ToSvg());
        // An end label is centred on its end of the plot and tells its value.
        auto labelled = [&](bool left, double end) {
            for (const SvgText& label : AxisLabels(svg, plot, left)) {
                const QRectF box = TextBox(label);
                const double centre = left ? box.center().y() : box.center().x();
                const double value = ValueAt(end, !left);
                const double step = std::fabs(ValueAt(left ? plot.top() : plot.right(), !left) -
                                              ValueAt(left ? plot.bottom() : plot.left(), !left));
                if (std::fabs(centre - end) < 1.0 && std::fabs(label.text.toDouble() - value) < 1e-3 * step)
                    return true;
            }
            return false;
        };
        const std::string name = state.join(' ').toStdString();
        EXPECT_TRUE(labelled(false, plot.left())) << name;
        EXPECT_TRUE(labelled(false, plot.right())) << name;
        EXPECT_TRUE(labelled(true, plot.top())) << name;
        EXPECT_TRUE(labelled(true, plot.bottom())) << name;
    }
}

TEST_F(MohrPage, ThreeEqualStressesShowThreeDotsInsideEachOther)
{
    Show(kAllEqual);
    const SvgShapes svg = ReadSvgShapes(Chart()->ToSvg());
    const QPointF place = Chart()->ToTarget(Target(), 5.0, 0.0);
    std::vector<SvgDisc> dots;
    for (const SvgDisc& disc : svg.discs) {
        if (QLineF(disc.centre, place).length() < 0.01) dots.push_back(disc);
    }
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_EQ(dots[0].fill, "#000000");
    EXPECT_EQ(dots[1].fill, "#ff0000");
    EXPECT_EQ(dots[2].fill, "#00ff00");
    EXPECT_GT(dots[0].radius, dots[1].radius);
    EXPECT_GT(dots[1].radius, dots[2].radius);

    // Painted, each colour shows in its own ring around the stress, parted
    // from the next by a white outline.
    const double factor = 4.0;
    const QImage image = Render(factor);
    auto at = [&](double radius) {
        return image.pixel(int(factor * (place.x() + radius)), int(factor * place.y()));
    };
    EXPECT_EQ(at(0.0), qRgb(0, 255, 0));
    // Half-way between two outlines, a pixel of the image from either.
    EXPECT_EQ(at((dots[1].radius + dots[2].radius) / 2.0), qRgb(255, 0, 0));
    EXPECT_EQ(at((dots[0].radius + dots[1].radius) / 2.0), qRgb(0, 0, 0));
}

TEST_F(MohrPage, LargeEqualStressesKeepARoomyPlot)
{
    // Equal scales of a tenth of 2e6 across and of -1..1 up would leave a
    // plot a few thousandths of a pixel high.
    Show({"2e6", "2e6", "2e6", "0", "0", "0"});
    EXPECT_GT(Plot().height(), 0.4 * Chart()->height());
    EXPECT_GT(Plot().width(), 0.4 * Chart()->width());
    EXPECT_EQ(ReadSvgShapes(Chart()->ToSvg()).discs.size(), 3u);
}

TEST_F(MohrPage, AnEqualPairShowsTheDotOfItsCircleOnly)
{
    const struct {
        const QStringList& state;
        const char* colour;
        double sigma;
    } cases[] = {{kUpperPairEqual, "#ff0000", 5.0}, {kLowerPairEqual, "#00ff00", 1.0}};
    for (const auto& c : cases) {
        Show(c.state);
        const SvgShapes svg = ReadSvgShapes(Chart()->ToSvg());
        ASSERT_EQ(svg.discs.size(), 1u) << c.colour;
        EXPECT_EQ(svg.discs[0].fill, c.colour);
        EXPECT_LT(QLineF(svg.discs[0].centre, Chart()->ToTarget(Target(), c.sigma, 0.0)).length(), 0.01);
        EXPECT_EQ(Points("seriesS1S2").size(), 91u);
    }
    Show(kDefault);
    EXPECT_TRUE(ReadSvgShapes(Chart()->ToSvg()).discs.empty()) << "no circle has collapsed";
}

}  // namespace
}  // namespace tensorium::testing_support
