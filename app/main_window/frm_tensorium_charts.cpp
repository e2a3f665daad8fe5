// The two diagrams of the window: the equal-area net and the Mohr circles.
#include <QCheckBox>

#include "app/main_window/frm_tensorium.h"
#include "chart/diagram_charts.h"
#include "chart/tchart.h"
#include "diagrams/mohr.h"
#include "diagrams/stereonet.h"

namespace tensorium {
namespace {

const QColor kSilver(192, 192, 192);

TChart* AddChart(QWidget* parent, const QString& name, QRect geometry)
{
    auto* chart = new TChart(parent);
    chart->setObjectName(name);
    chart->setGeometry(geometry);
    return chart;
}

TChartSeries* AddLine(TChart* chart, const QString& name, const QColor& colour)
{
    TChartSeries* series = chart->AddSeries(name, TChartSeries::Kind::Line);
    series->SetColour(colour);
    series->SetTitle(name);
    return series;
}

TChartSeries* AddDot(TChart* chart, const QString& name, const QColor& colour, double radius)
{
    TChartSeries* series = chart->AddSeries(name, TChartSeries::Kind::Dot);
    series->SetColour(colour);
    series->SetTitle(name);
    series->SetMarkerSize(radius, radius);
    series->SetMarkerOutline(Qt::white);
    return series;
}

}  // namespace

void TFrmTensorium::BuildStereographicChart(QWidget* page)
{
    Chart1 = AddChart(page, "Chart1", {0, 4, 369, 365});
    Chart1->setProperty("hint", "Planes of principal stresses represented on stereographic projection");
    SetUpNetChart(*Chart1);
    const QColor red(255, 0, 0);
    seriesCircle = AddLine(Chart1, "seriesCircle", red);
    seriesCircle->SetTitle("Circle");
    Series4 = AddLine(Chart1, "Series4", red);
    Series5 = AddLine(Chart1, "Series5", red);
    Series6 = AddLine(Chart1, "Series6", red);
    Series7 = AddLine(Chart1, "Series7", red);
    Series8 = AddLine(Chart1, "Series8", red);
    Series9 = AddLine(Chart1, "Series9", red);
    Series2 = AddLine(Chart1, "Series2", red);
    Series3 = Chart1->AddSeries("Series3", TChartSeries::Kind::Point);
    Series3->SetColour(QColor(0, 128, 0));
    Series3->SetMarkerSize(5, 5);
    Series3->SetMarkerOutline(kSilver);
    Series3->SetMarksVisible(true);
    Series3->SetMarksPixelSize(16);
}

void TFrmTensorium::BuildMohrChart(QWidget* page)
{
    Chart2 = AddChart(page, "Chart2", {0, 0, 385, 369});
    SetUpMohrChart(*Chart2);
    const QColor red(255, 0, 0), black(0, 0, 0), lime(0, 255, 0);
    seriesS1S2 = AddLine(Chart2, "seriesS1S2", red);
    seriesS1S3 = AddLine(Chart2, "seriesS1S3", black);
    seriesS2S3 = AddLine(Chart2, "seriesS2S3", lime);
    // A collapsed circle shows as a dot; the largest first, so that the dots
    // of three equal stresses lie inside each other, all three seen.
    seriesS1S3Point = AddDot(Chart2, "seriesS1S3Point", black, 6);
    seriesS1S2Point = AddDot(Chart2, "seriesS1S2Point", red, 4.5);
    seriesS2S3Point = AddDot(Chart2, "seriesS2S3Point", lime, 3);
}

void TFrmTensorium::DrawDiagrams()
{
    StereonetInputs inputs;
    inputs.principal = &principal_;
    inputs.convention = convention_;
    inputs.user = &user_;
    inputs.joint = &jointPlane_;
    inputs.showPrincipal = chkShowPrincipal->isChecked();
    inputs.showUser = chkUser->isChecked();
    inputs.showJoint = chkJoint->isChecked();
    DrawStereonet({seriesCircle, {Series4, Series5, Series6}, {Series7, Series8, Series9}, Series2, Series3},
                  inputs);
    DrawMohrCircles();
    // The last step of every cycle and of every redrawing.
    KeepResultsHidden();
}

void TFrmTensorium::DrawMohrCircles()
{
    tensorium::DrawMohrCircles(
        {seriesS1S2, seriesS1S3, seriesS2S3, seriesS1S2Point, seriesS1S3Point, seriesS2S3Point},
        principal_.s1, principal_.s2, principal_.s3);
}

}  // namespace tensorium
