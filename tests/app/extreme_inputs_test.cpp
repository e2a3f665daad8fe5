// Inputs at the top and the bottom of the double range: every cycle returns,
// with both diagrams drawn or with the failure box. A cycle that never
// returned would be stopped by the test's time limit.
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <cmath>

#include "chart/tchart.h"
#include "core/tensor_error.h"
#include "tests/app/window_fixture.h"
#include "tests/chart/chart_checks.h"
#include "tests/chart/svg_shapes.h"

namespace tensorium::testing_support {
namespace {

bool IsFinite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

class ExtremeInputs : public WindowTest {
protected:
    // Leaving the field runs the cycle, as the user does with Tab.
    void EnterGlobal(const QStringList& values)
    {
        SetGlobal(values);
        MoveFocus("input_sx", "input_sy");
        QApplication::processEvents();  // the charts repaint
    }

    // Both diagrams hold finite series, lie inside their charts, and draw
    // into an image and into SVG polylines of finite points.
    void ExpectBothDiagramsDrawn()
    {
        for (const char* name : {"Chart1", "Chart2"}) {
            SCOPED_TRACE(name);
            const TChart* chart = Find<TChart>(name);
            const QRectF target(QPointF(0, 0), QSizeF(chart->size()));
            const QRectF plot = chart->PlotRect(target);
            EXPECT_TRUE(IsFinite(plot.topLeft()) && IsFinite(plot.bottomRight()));
            EXPECT_TRUE(target.contains(plot)) << "plot of " << plot.width() << " by " << plot.height();
            EXPECT_GT(plot.width(), 10.0);
            EXPECT_GT(plot.height(), 10.0);
            for (const TChartSeries* series : chart->Series()) {
                if (!series->Visible()) continue;
                for (const ChartPoint& p : series->Points()) {
                    ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y))
                        << series->objectName().toStdString() << " " << p.x << ", " << p.y;
                    const QPointF at = chart->ToTarget(target, p.x, p.y);
                    EXPECT_TRUE(plot.adjusted(-0.01, -0.01, 0.01, 0.01).contains(at))
                        << series->objectName().toStdString() << " " << p.x << ", " << p.y;
                }
            }
            QImage image(chart->size(), QImage::Format_ARGB32);
            image.fill(Qt::magenta);
            {
                QPainter painter(&image);
                chart->Paint(painter, QRectF(image.rect()));
            }
            EXPECT_NE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::magenta));
            const SvgShapes svg = ReadSvgShapes(chart->ToSvg());
            EXPECT_FALSE(svg.lines.empty());
            for (const SvgLine& line : svg.lines)
                for (const QPointF& p : line.points) EXPECT_TRUE(IsFinite(p)) << line.stroke.toStdString();
        }
        ExpectLinearMapping(*Find<TChart>("Chart2"));
        for (const char* circle : {"seriesS1S2", "seriesS1S3", "seriesS2S3"})
            EXPECT_EQ(Find<TChartSeries>(circle)->Points().size(), 91u) << circle;
    }

    // The cycle ended either way: drawn, or with a floating-point message in
    // the failure box (the diagrams then keep the last drawn state).
    void ExpectDrawnOrReported(const QStringList& values)
    {
        SCOPED_TRACE(values.join(", ").toStdString());
        failures.clear();
        EnterGlobal(values);
        for (const QString& message : failures)
            EXPECT_TRUE(message == kOverflowMessage || message == kInvalidOperationMessage)
                << message.toStdString();
        ExpectBothDiagramsDrawn();
    }
};

const QStringList kDefaults = {"3.4", "1", "8", "1", "-1", "2"};

QStringList WithSx(const QString& sx)
{
    QStringList values = kDefaults;
    values[0] = sx;
    return values;
}

TEST_F(ExtremeInputs, AnSxAtTheTopOfTheDoubleRangeIsDrawn)
{
    for (const QString sx : {"1.7e308", "-1.7e308", "1.79e308", "-1.79e308", "1.7976931348623157e308"}) {
        ExpectDrawnOrReported(WithSx(sx));
        EXPECT_TRUE(failures.isEmpty()) << sx.toStdString() << ": the principal stresses are finite";
        EXPECT_EQ(window->stress().sx, sx.toDouble());
    }
}

TEST_F(ExtremeInputs, AllSixComponentsAtTheTopOfTheDoubleRange)
{
    const QString top = "1.7e308", bottom = "-1.7e308";
    ExpectDrawnOrReported({top, top, top, top, top, top});
    ExpectDrawnOrReported({bottom, bottom, bottom, bottom, bottom, bottom});
    ExpectDrawnOrReported({top, bottom, top, bottom, top, bottom});
    ExpectDrawnOrReported({top, bottom, "0", "0", "0", "0"});
    ExpectDrawnOrReported({top, top, top, "0", "0", "0"});
    ExpectDrawnOrReported({"0", "0", "0", top, bottom, top});
    // Circles whose rounded points used to pass the double range.
    ExpectDrawnOrReported({"1.7976931348623157e308", "1e306", "0", "0", "0", "0"});
    ExpectDrawnOrReported({"1e308", "-1e308", "0", "0", "0", "0"});
}

TEST_F(ExtremeInputs, StressesAtTheBottomOfTheDoubleRange)
{
    ExpectDrawnOrReported({"4.9e-324", "0", "-4.9e-324", "0", "0", "0"});
    ExpectDrawnOrReported({"1e-320", "2e-320", "3e-320", "1e-321", "-1e-321", "2e-321"});
    ExpectDrawnOrReported({"1.7e308", "1e-320", "-1e-320", "0", "0", "4.9e-324"});
}

TEST_F(ExtremeInputs, TheOtherChecksAndTheConventionDrawTheHugeStateToo)
{
    for (const char* check : {"chkUser", "chkJoint"}) Find<QCheckBox>(check)->click();
    Action("mnuAngleLeft")->trigger();
    ExpectDrawnOrReported(WithSx("1.79e308"));
    ExpectDrawnOrReported({"1.7e308", "-1.7e308", "1.7e308", "0", "0", "0"});
    // A normal state afterwards draws as before.
    ExpectDrawnOrReported(kDefaults);
    EXPECT_TRUE(failures.isEmpty());
}

}  // namespace
}  // namespace tensorium::testing_support
