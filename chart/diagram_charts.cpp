#include "chart/diagram_charts.h"

#include "chart/tchart.h"

namespace tensorium {
namespace {

const QColor kSilver(192, 192, 192);

}  // namespace

void SetUpNetChart(TChart& chart)
{
    chart.SetMargins(3, 3);
    // Equal scales keep the primitive circle round.
    chart.SetEqualScales(true);
    for (TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
        axis->SetRange(-1.1, 1.1);
        axis->SetLabelsVisible(false);
        axis->SetLabelSize(1);
        axis->SetGridVisible(false);
        axis->SetMinorGridVisible(true);
        axis->SetMinorGridColour(kSilver);
        axis->SetMinorGridStyle(Qt::DotLine);
        axis->SetPosition(50);
    }
    // North is up on the net: its mark sits on top of the primitive circle.
    chart.AddNote({0.0, 1.0, "N", 12});
}

void SetUpMohrChart(TChart& chart)
{
    TChartAxis& sigma = chart.BottomAxis();
    sigma.SetTitle("sigma");
    sigma.SetLabelSize(12);
    sigma.SetPosition(50);
    TChartAxis& tau = chart.LeftAxis();
    tau.SetTitle("tau");
    tau.SetLabelSize(16);
    tau.SetGridColour(kSilver);
    // Symmetric about zero, so the sigma axis at mid-height lies at tau = 0.
    tau.SetSymmetric(true);
    // Equal scales keep the circles round.
    chart.SetEqualScales(true);
}

}  // namespace tensorium
