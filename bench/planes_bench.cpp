// A plane set at field scale: 50,000 planes imported from a spreadsheet's
// CSV into the main window (read, checked, every plane's stresses and
// stability computed); one explorer step with all their poles on the net and
// points on the Mohr diagram, the safety factor field on, at 1600 x 900;
// and the memory they take. Goals: import 0.5 s, a step 16 ms, 40 MB.
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>
#include <QUndoStack>
#include <cstdio>
#include <random>

#include "app/explorer/explorer_mohr.h"
#include "app/explorer/explorer_net.h"
#include "app/explorer/frm_explorer.h"
#include "app/main_window/frm_tensorium.h"
#include "app/planes/plane_set_document.h"

namespace {

constexpr int kPlanes = 50000;
tensorium::TFrmTensorium* window = nullptr;
tensorium::FrmExplorer* explorer = nullptr;
QString csvPath;

// Three sets of joints and some scatter, as a spreadsheet writes them.
QByteArray FieldData()
{
    std::mt19937 random(50000);
    std::normal_distribution<double> spread(0, 8);
    std::uniform_real_distribution<double> any(0, 1);
    const double sets[3][2] = {{40, 70}, {150, 80}, {260, 25}};
    QByteArray csv = "\xEF\xBB\xBFname;dip direction;dip;set\r\n";
    for (int k = 0; k < kPlanes; ++k) {
        const int set = k % 4;
        double dd = set < 3 ? sets[set][0] + spread(random) : 360 * any(random);
        double dip = set < 3 ? sets[set][1] + spread(random) / 2 : 90 * any(random);
        dd = dd < 0 ? dd + 360 : dd >= 360 ? dd - 360 : dd;
        dip = dip < 0 ? 0 : dip > 90 ? 90 : dip;
        csv += QString("J%1;%2;%3;S%4\r\n")
                   .arg(k)
                   .arg(QString::number(dd, 'f', 1).replace('.', ','))
                   .arg(QString::number(dip, 'f', 1).replace('.', ','))
                   .arg(set + 1)
                   .toUtf8();
    }
    return csv;
}

long ResidentKilobytes()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * 4;
}

void PaintWhatChanged() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

void Import50000Planes(benchmark::State& state)
{
    for (auto _ : state) {
        if (!window->ImportPlanes(csvPath)) state.SkipWithError("the import failed");
        state.PauseTiming();
        window->Planes().UndoStack().clear();
        state.ResumeTiming();
    }
    state.counters["planes"] = static_cast<double>(window->Planes().Planes().size());
}
BENCHMARK(Import50000Planes)->Unit(benchmark::kMillisecond);

void JointStepWith50000Planes(benchmark::State& state)
{
    int k = 0;
    for (auto _ : state) {
        const int step = k++ % 80;
        window->Session().EditInputs(
            {{tensorium::TypedInput::JointDipDirection, QString::number(16 + (step < 40 ? step : 80 - step))},
             {tensorium::TypedInput::JointDip, "33"}});
        PaintWhatChanged();
    }
}
BENCHMARK(JointStepWith50000Planes)->Unit(benchmark::kMillisecond);

void PorePressureStepWith50000Planes(benchmark::State& state)
{
    auto* slider = explorer->findChild<QSlider*>("sldPorePressure");
    int k = 0;
    for (auto _ : state) {
        const int step = k++ % 120;
        slider->setValue(slider->maximum() * (step < 60 ? step : 120 - step) / 60);
        PaintWhatChanged();
    }
    slider->setValue(0);
}
BENCHMARK(PorePressureStepWith50000Planes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    csvPath = folder.filePath("field.csv");
    {
        QFile file(csvPath);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(FieldData());
    }
    tensorium::TFrmTensorium main;
    main.setFailureReporter(
        [](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
    main.show();
    window = &main;
    main.findChild<QAction*>("mnuStressExplorer")->trigger();
    explorer = main.findChild<tensorium::FrmExplorer*>("FrmExplorer");
    explorer->resize(1600, 900);
    explorer->findChild<QComboBox*>("cmbField")
        ->setCurrentIndex(static_cast<int>(tensorium::FieldKind::SafetyFactor));
    explorer->findChild<QCheckBox*>("chkExplorerPoles")->setChecked(true);
    QApplication::processEvents();

    // What 50,000 planes take: the set, their results, the undo step, the
    // pictures of their poles and points.
    const long before = ResidentKilobytes();
    main.ImportPlanes(csvPath);
    QApplication::processEvents();
    const long after = ResidentKilobytes();
    std::printf("memory for %d planes: %.1f MB\n", kPlanes, (after - before) / 1024.0);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
