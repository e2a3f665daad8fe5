// One step of the stress explorer as a user drags the joint or presses an
// arrow key: the joint moves, the main window runs its cycle, and both
// diagrams of a 1600 x 900 explorer repaint with the slip tendency field on;
// and one step of the pore pressure slider. Each is to stay within 8 ms.
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QSlider>

#include "app/explorer/explorer_mohr.h"
#include "app/explorer/explorer_net.h"
#include "app/explorer/frm_explorer.h"
#include "app/main_window/frm_tensorium.h"

namespace {

tensorium::TFrmTensorium* window = nullptr;
tensorium::FrmExplorer* explorer = nullptr;

// Counts the paint events of a widget, so that a step is seen to repaint.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};
PaintCounter netPaints, mohrPaints;

// What the event loop does after a step: every widget that changed paints
// once, in one pass over the window.
void PaintWhatChanged() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

void CountPaints(benchmark::State& state, int netBefore, int mohrBefore)
{
    const double steps = static_cast<double>(state.iterations());
    state.counters["net paints per step"] = (netPaints.paints - netBefore) / steps;
    state.counters["Mohr paints per step"] = (mohrPaints.paints - mohrBefore) / steps;
}

void JointStep(benchmark::State& state)
{
    const int netBefore = netPaints.paints, mohrBefore = mohrPaints.paints;
    int k = 0;
    for (auto _ : state) {
        // Back and forth over 40 degrees of dip direction, 1 degree a step.
        const int step = k++ % 80;
        const QString direction = QString::number(16 + (step < 40 ? step : 80 - step));
        window->Session().EditInputs(
            {{tensorium::TypedInput::JointDipDirection, direction}, {tensorium::TypedInput::JointDip, "33"}});
        PaintWhatChanged();
    }
    state.counters["field computations"] = explorer->Net().FieldComputations();
    CountPaints(state, netBefore, mohrBefore);
}
BENCHMARK(JointStep)->Unit(benchmark::kMillisecond);

// Only the net's paint, field on, for comparison.
void PaintNet(benchmark::State& state)
{
    for (auto _ : state) explorer->Net().repaint();
}
BENCHMARK(PaintNet)->Unit(benchmark::kMillisecond);

// Only the Mohr diagram's paint, with its layout, as a joint that moves
// repaints it (the circles, axes and texts come from their picture).
void PaintMohr(benchmark::State& state)
{
    for (auto _ : state) explorer->Mohr().repaint();
}
BENCHMARK(PaintMohr)->Unit(benchmark::kMillisecond);

// One step of the pore pressure slider as a user drags it: the model takes
// the new pressure and tells its views, the outputs and the worked solution
// are rewritten, the net recomputes its safety factor field, and both
// diagrams repaint. Up and down between 0 and s1 in steps of 1/60 of s1, so
// that planes open and close.
void PorePressureStep(benchmark::State& state)
{
    auto* field = explorer->findChild<QComboBox*>("cmbField");
    auto* slider = explorer->findChild<QSlider*>("sldPorePressure");
    const int before = field->currentIndex();
    field->setCurrentIndex(static_cast<int>(tensorium::FieldKind::SafetyFactor));
    const int computedBefore = explorer->Net().FieldComputations();
    const int netBefore = netPaints.paints, mohrBefore = mohrPaints.paints;
    int k = 0;
    for (auto _ : state) {
        const int step = k++ % 120;
        slider->setValue(slider->maximum() * (step < 60 ? step : 120 - step) / 60);
        PaintWhatChanged();
    }
    state.counters["field computations"] = explorer->Net().FieldComputations() - computedBefore;
    CountPaints(state, netBefore, mohrBefore);
    slider->setValue(0);
    field->setCurrentIndex(before);
}
BENCHMARK(PorePressureStep)->Unit(benchmark::kMillisecond);

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
    explorer->Net().installEventFilter(&netPaints);
    explorer->Mohr().installEventFilter(&mohrPaints);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
