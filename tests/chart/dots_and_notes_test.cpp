// Dot series and notes: drawn by the one paint routine, on screen and in SVG.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "chart/chart_text.h"
#include "tests/chart/chart_checks.h"
#include "tests/chart/example_charts.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

std::unique_ptr<TChart> ChartWithDotOnTheEdge()
{
    auto chart = std::make_unique<TChart>();
    chart->resize(300, 200);
    chart->BottomAxis().SetRange(0.0, 10.0);
    chart->LeftAxis().SetRange(-5.0, 5.0);
    TChartSeries* dots = chart->AddSeries("Dots", TChartSeries::Kind::Dot);
    dots->SetColour(QColor(0, 0, 255));
    dots->SetMarkerSize(6, 6);
    dots->Append(10.0, 0.0);
    dots->Append(3.0, 2.0, {}, QColor(255, 0, 0));
    return chart;
}

TEST(DotSeries, EachPointIsADiscOfTheMarkerRadiusInItsColour)
{
    const auto chart = ChartWithDotOnTheEdge();
    const QRectF target = WidgetRect(*chart);
    const SvgShapes svg = ReadSvgShapes(chart->ToSvg());
    ASSERT_EQ(svg.discs.size(), 2u);
    EXPECT_EQ(svg.discs[0].fill, "#0000ff");
    EXPECT_EQ(svg.discs[1].fill, "#ff0000");
    EXPECT_LT(QLineF(svg.discs[1].centre, chart->ToTarget(target, 3.0, 2.0)).length(), kPixelSlack);
    EXPECT_NEAR(svg.discs[1].radius, 6.0, kPixelSlack);
}

TEST(DotSeries, ADotOnThePlotsEdgeShowsWhole)
{
    const auto chart = ChartWithDotOnTheEdge();
    const QImage image = Render(*chart, 2.0);
    const QRectF plot = chart->PlotRect(QRectF(image.rect()));
    const QPointF centre = chart->ToTarget(QRectF(image.rect()), 10.0, 0.0);
    ASSERT_NEAR(centre.x(), plot.right(), 1e-9);
    // Past the plot's right edge by most of the radius, still the dot's colour.
    EXPECT_EQ(image.pixel(int(centre.x() + 2.0 * 4.0), int(centre.y())), qRgb(0, 0, 255));
}

TEST(ChartNote, TextCentredJustAboveItsPlace)
{
    auto chart = MakeEqualAreaNet();  // its set-up marks North with an "N"
    const QRectF target = WidgetRect(*chart);
    const SvgShapes svg = ReadSvgShapes(chart->ToSvg());  // kept: the note points into it
    const SvgText* note = svg.Text("N");
    ASSERT_NE(note, nullptr);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const QPointF place = chart->ToTarget(target, 0.0, 1.0);
    EXPECT_NEAR(note->start.x() + metrics.horizontalAdvance("N") / 2.0, place.x(), 0.5);
    EXPECT_LT(note->start.y(), place.y());
    EXPECT_GT(note->start.y(), place.y() - metrics.height());
}

// Circles of negative stresses: the lowest sigma label is as wide as "-10"
// and sits in the corner under the lowest tau label.
TEST(EndLabels, BothCornerLabelsShowBesideEachOther)
{
    const MohrCircle circles[3] = {{-3.0, 2.0}, {-5.5, 4.5}, {-8.0, 2.0}};
    auto chart = MakeMohrCircles(circles);
    const QRectF target = WidgetRect(*chart);
    const QRectF plot = chart->PlotRect(target);
    const SvgShapes svg = ReadSvgShapes(chart->ToSvg());
    const QFontMetricsF metrics(AxisLabelFont());
    bool sigma = false, tau = false;
    for (const SvgText& text : svg.texts) {
        const QRectF box(text.start.x(), text.start.y() - metrics.ascent(),
                         metrics.horizontalAdvance(text.text), metrics.height());
        if (text.text == "-10" && std::fabs(box.center().x() - plot.left()) < 1.0) sigma = true;
        if (text.text == "-5" && std::fabs(box.center().y() - plot.bottom()) < 1.0) tau = true;
    }
    EXPECT_TRUE(sigma);
    EXPECT_TRUE(tau);
}

}  // namespace
}  // namespace tensorium::testing_support
