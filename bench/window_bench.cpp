// One whole recalculation cycle on a shown window (offscreen screen).
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/frm_tensorium.h"

namespace {

tensorium::TFrmTensorium* window = nullptr;

void RecalculateAll(benchmark::State& state)
{
    for (auto _ : state) window->RecalculateAll();
}
BENCHMARK(RecalculateAll)->Unit(benchmark::kMicrosecond);

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
