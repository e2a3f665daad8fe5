// The faults' slip arrows and P and T axes on the explorer's net, drawn into
// an 800 x 800 picture for 2,000 and 50,000 faults (three sets with scattered
// rakes): the net with the poles alone, with the arrows, with the axes, and a
// step of the stress that turns every predicted arrow. Goal: a step of the
// joint or the pore pressure, which leaves the faults as they are, within
// 16 ms with either layer for 2,000 faults and with the arrows for 50,000.
// A new stress (a cycle of the main window) redraws every arrow.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <random>

#include "app/explorer/explorer_net.h"
#include "app/planes/plane_set_document.h"
#include "core/analysis_model.h"

namespace {

tensorium::PlaneSet Faults(int count)
{
    std::mt19937 random(2024);
    std::normal_distribution<double> spread(0, 8);
    std::uniform_real_distribution<double> any(-180, 180);
    const double sets[3][2] = {{40, 70}, {150, 80}, {260, 25}};
    tensorium::PlaneSet faults;
    for (int k = 0; k < count; ++k) {
        const double* set = sets[k % 3];
        faults.push_back({"", tensorium::NormalisedDipDirection(set[0] + spread(random)),
                          std::clamp(set[1] + spread(random) / 2, 0.0, 90.0), "", any(random)});
    }
    return faults;
}

struct Scene {
    tensorium::AnalysisModel model;
    tensorium::PlaneSetDocument planes{model};
    tensorium::ExplorerNet net{model};
    QImage picture{800, 800, QImage::Format_ARGB32_Premultiplied};

    Scene(int count, bool slip, bool pt)
    {
        model.state().stress = {40, 25, 60, 5, -3, 8};
        model.ComputeAll();
        net.SetPlaneSet(&planes);
        planes.ReplaceAll(Faults(count), "Import planes");
        tensorium::NetLayers layers;
        layers.poles = true;
        layers.slip = slip;
        layers.pt = pt;
        net.SetLayers(layers);
        Paint();  // the faults worked out once, as the first paint does
    }
    void Paint()
    {
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        net.Paint(painter, QRectF(picture.rect()));
    }
};

void Net(benchmark::State& state, bool slip, bool pt)
{
    Scene scene(static_cast<int>(state.range(0)), slip, pt);
    for (auto _ : state) {
        scene.Paint();
        benchmark::DoNotOptimize(scene.picture.constBits());
    }
}

void PolesAlone(benchmark::State& state) { Net(state, false, false); }
void PolesAndSlip(benchmark::State& state) { Net(state, true, false); }
void PolesAndAxes(benchmark::State& state) { Net(state, false, true); }
BENCHMARK(PolesAlone)->Arg(2000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(PolesAndSlip)->Arg(2000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(PolesAndAxes)->Arg(2000)->Arg(50000)->Unit(benchmark::kMillisecond);

// A new stress: every predicted slip worked out again, then painted.
void StressStepWithSlip(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)), true, true);
    int k = 0;
    for (auto _ : state) {
        scene.model.state().stress.sz = 60 + (k++ % 2);
        scene.Paint();
        benchmark::DoNotOptimize(scene.picture.constBits());
    }
}
BENCHMARK(StressStepWithSlip)->Arg(2000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
