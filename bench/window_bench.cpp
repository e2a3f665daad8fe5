// One whole recalculation cycle on a shown window (offscreen screen).
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPainter>

#include "app/main_window/frm_tensorium.h"
#include "chart/tchart.h"

namespace {

tensorium::TFrmTensorium* window = nullptr;

void RecalculateAll(benchmark::State& state)
{
    for (auto _ : state) window->RecalculateAll();
}
BENCHMARK(RecalculateAll)->Unit(benchmark::kMicrosecond);

// Redrawing both diagrams with every "Show" check box on.
void DrawDiagramsAllShown(benchmark::State& state)
{
    for (const char* name : {"chkShowPrincipal", "chkUser", "chkJoint"})
        window->findChild<QCheckBox*>(name)->setChecked(true);
    for (auto _ : state) window->chkShowPrincipalClick();
}
BENCHMARK(DrawDiagramsAllShown)->Unit(benchmark::kMicrosecond);

// One full paint of a chart into an image of its on-screen size.
void PaintChart(benchmark::State& state, const char* name)
{
    for (const char* check : {"chkShowPrincipal", "chkUser", "chkJoint"})
        window->findChild<QCheckBox*>(check)->setChecked(true);
    window->chkShowPrincipalClick();
    const auto* chart = window->findChild<tensorium::TChart*>(name);
    QImage image(chart->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        chart->Paint(painter, QRectF(image.rect()));
    }
}
BENCHMARK_CAPTURE(PaintChart, Chart1, "Chart1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PaintChart, Chart2, "Chart2")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tensorium::TFrmTensorium shown;
    shown.show();
    QApplication::processEvents();
    window = &shown;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
