// The two diagrams of the window, as drawn and as a reader of their SVG sees them.
#include <QCheckBox>
#include <QPushButton>

#include "chart/tchart.h"
#include "tests/app/window_fixture.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

class DiagramsInWindow : public WindowTest {
protected:
    TChart* Chart(const char* name) const { return Find<TChart>(name); }
    TChartSeries* Series(const char* name) const { return Find<TChartSeries>(name); }
    SvgShapes Svg(const char* chart) const { return ReadSvgShapes(Chart(chart)->ToSvg()); }
    void Check(const char* name) { Find<QCheckBox>(name)->click(); }
    std::vector<QPointF> Poles() const
    {
        std::vector<QPointF> poles;
        for (const ChartPoint& p : Series("Series3")->Points()) poles.emplace_back(p.x, p.y);
        return poles;
    }
    void ExpectEveryPointInsideThePlot(const char* chartName) const
    {
        const TChart* chart = Chart(chartName);
        const QRectF target(QPointF(0, 0), QSizeF(chart->size()));
        const QRectF plot = chart->PlotRect(target).adjusted(-0.01, -0.01, 0.01, 0.01);
        for (const TChartSeries* series : chart->Series()) {
            if (!series->Visible()) continue;
            for (const ChartPoint& p : series->Points())
                EXPECT_TRUE(plot.contains(chart->ToTarget(target, p.x, p.y)))
                    << series->objectName().toStdString() << " " << p.x << ", " << p.y;
        }
    }
};

TEST_F(DiagramsInWindow, AtStartTheNetShowsThePrincipalPlanesOnly)
{
    const SvgShapes net = Svg("Chart1");
    EXPECT_EQ(net.Lines("#008000").size(), 2u) << "the s1 arc and its cross";
    EXPECT_EQ(net.Lines("#ff0000").size(), 2u);
    EXPECT_EQ(net.Lines("#0000ff").size(), 2u);
    EXPECT_TRUE(net.Lines("#000080").empty());
    EXPECT_TRUE(net.Lines("#ff00ff").empty());
    for (const char* label : {"s1", "s2", "s3"}) EXPECT_TRUE(net.HasText(label)) << label;
    EXPECT_FALSE(net.HasText("x'"));
    EXPECT_FALSE(net.HasText("joint"));
    ExpectEveryPointInsideThePlot("Chart1");
    EXPECT_EQ(Chart("Chart1")->size(), QSize(369, 365));
}

TEST_F(DiagramsInWindow, CheckBoxesRedrawFromTheStoredResults)
{
    const std::vector<QPointF> before = Poles();
    Type("input_sx", "20");  // typed, not committed
    Check("chkUser");
    Check("chkJoint");
    EXPECT_TRUE(failures.isEmpty());
    std::vector<QPointF> after = Poles();
    ASSERT_EQ(after.size(), 7u);
    after.resize(3);
    EXPECT_EQ(after, before) << "the principal crosses come from the last cycle";

    const SvgShapes net = Svg("Chart1");
    for (const char* colour : {"#000080", "#ff00ff", "#800080"})
        EXPECT_EQ(net.Lines(colour).size(), 2u) << colour;
    for (const char* label : {"x'", "y'", "z'", "joint"}) EXPECT_TRUE(net.HasText(label)) << label;
    ExpectEveryPointInsideThePlot("Chart1");

    Check("chkShowPrincipal");
    EXPECT_FALSE(Series("Series4")->Visible());
    EXPECT_EQ(Series("Series3")->Points().size(), 4u);
    EXPECT_FALSE(Svg("Chart1").HasText("s1"));
}

TEST_F(DiagramsInWindow, AFailedCycleKeepsBothDiagrams)
{
    const std::vector<QPointF> poles = Poles();
    const std::vector<ChartPoint> circle = Series("seriesS1S3")->Points();
    Type("input_sx", "1e400");
    Find<QPushButton>("btnCalculate")->click();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(Poles(), poles);
    ASSERT_EQ(Series("seriesS1S3")->Points().size(), circle.size());
    EXPECT_EQ(Series("seriesS1S3")->Points()[22].y, circle[22].y);
}

TEST_F(DiagramsInWindow, TheConventionMovesNothingOnTheNet)
{
    const std::vector<QPointF> poles = Poles();
    Action("mnuAngleLeft")->trigger();
    const std::vector<QPointF> moved = Poles();
    ASSERT_EQ(moved.size(), poles.size());
    for (size_t i = 0; i < poles.size(); ++i) {
        EXPECT_NEAR(moved[i].x(), poles[i].x(), 1e-12);
        EXPECT_NEAR(moved[i].y(), poles[i].y(), 1e-12);
    }
}

TEST_F(DiagramsInWindow, MohrCirclesWithTheSigmaAxisAtTauZero)
{
    const SvgShapes mohr = Svg("Chart2");
    EXPECT_EQ(mohr.Lines("#ff0000").size(), 1u);
    EXPECT_EQ(mohr.Lines("#00ff00").size(), 1u);
    EXPECT_GE(mohr.Lines("#000000").size(), 1u);
    EXPECT_TRUE(mohr.HasText("sigma"));
    EXPECT_TRUE(mohr.HasText("tau"));
    ExpectEveryPointInsideThePlot("Chart2");

    const TChart* chart = Chart("Chart2");
    const QRectF target(QPointF(0, 0), QSizeF(chart->size()));
    EXPECT_NEAR(chart->ToTarget(target, 0, 0).y(), chart->PlotRect(target).center().y(), 1e-9);
    EXPECT_EQ(Series("seriesS1S2")->Points().size(), 91u);
    EXPECT_NEAR(Series("seriesS1S3")->Points()[0].x, 8.793647, 1e-6);
}

TEST_F(DiagramsInWindow, EqualAndNegativeStressesStayInsideThePlot)
{
    for (const QStringList& state :
         {QStringList{"5", "5", "5", "0", "0", "0"}, QStringList{"-3.4", "-1", "-8", "-1", "1", "-2"},
          QStringList{"0", "0", "0", "0", "0", "0"}, QStringList{"1e9", "2e9", "-3e9", "0", "1e9", "0"}}) {
        SetGlobal(state);
        Find<QPushButton>("btnCalculate")->click();
        ExpectEveryPointInsideThePlot("Chart2");
        ExpectEveryPointInsideThePlot("Chart1");
    }
    EXPECT_TRUE(failures.isEmpty());
}

}  // namespace
}  // namespace tensorium::testing_support
