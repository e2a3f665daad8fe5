// One step of the stress explorer as a user drags the joint or presses an
// arrow key: the joint moves, the main window runs its cycle, and both
// diagrams of a 1600 x 900 explorer repaint with the slip tendency field on;
// and one step of the pore pressure.
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>

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

// Only the Mohr diagram's paint, with its layout.
void PaintMohr(benchmark::State& state)
{
    for (auto _ : state) explorer->Mohr().repaint();
}
BENCHMARK(PaintMohr)->Unit(benchmark::kMillisecond);

// One step of the pore pressure slider: the model takes the new pressure and
// tells its views, the net recomputes its safety factor field and repaints,
// here into a 1600 x 900 picture. Up and down between 0 and 6 in steps of
// 0.1, so that planes open and close.
void PorePressureStep(benchmark::State& state)
{
    auto* field = explorer->findChild<QComboBox*>("cmbField");
    const int before = field->currentIndex();
    field->setCurrentIndex(static_cast<int>(tensorium::FieldKind::SafetyFactor));
    QImage image(1600, 900, QImage::Format_ARGB32_Premultiplied);
    const int computedBefore = explorer->Net().FieldComputations();
    int k = 0;
    for (auto _ : state) {
        const int step = k++ % 120;
        window->Session().Model().SetPorePressure(0.1 * (step < 60 ? step : 120 - step));
        explorer->Net().Refresh();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        explorer->Net().Paint(painter, QRectF(image.rect()));
    }
    state.counters["field computations"] = explorer->Net().FieldComputations() - computedBefore;
    window->Session().Model().SetPorePressure(0);
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
