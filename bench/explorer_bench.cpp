// One step of the stress explorer as a user drags the joint or presses an
// arrow key: the joint moves, the main window runs its cycle, and both
// diagrams of a 1600 x 900 explorer repaint with the slip tendency field on.
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>

#include "app/explorer/explorer_mohr.h"
#include "app/explorer/explorer_net.h"
#include "app/explorer/frm_explorer.h"
#include "app/main_window/frm_tensorium.h"

namespace {

tensorium::TFrmTensorium* window = nullptr;
tensorium::FrmExplorer* explorer = nullptr;

void JointStep(benchmark::State& state)
{
    int k = 0;
    for (auto _ : state) {
        // Back and forth over 40 degrees of dip direction, 1 degree a step.
        const int step = k++ % 80;
        const QString direction = QString::number(16 + (step < 40 ? step : 80 - step));
        window->Session().EditInputs(
            {{tensorium::TypedInput::JointDipDirection, direction}, {tensorium::TypedInput::JointDip, "33"}});
        explorer->Net().repaint();
        explorer->Mohr().repaint();
    }
    state.counters["field computations"] = explorer->Net().FieldComputations();
}
BENCHMARK(JointStep)->Unit(benchmark::kMillisecond);

// Only the net's paint, field on, for comparison.
void PaintNet(benchmark::State& state)
{
    for (auto _ : state) explorer->Net().repaint();
}
BENCHMARK(PaintNet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tensorium::TFrmTensorium main;
    main.setFailureReporter([](const QString&) {});
    main.show();
    window = &main;
    main.findChild<QAction*>("mnuStressExplorer")->trigger();
    explorer = main.findChild<tensorium::FrmExplorer*>("FrmExplorer");
    explorer->resize(1600, 900);
    explorer->findChild<QComboBox*>("cmbField")->setCurrentIndex(1);
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
