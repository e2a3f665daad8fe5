// Tens of thousands of dots drawn into a picture, as the net draws the poles
// of a field-scale plane set: clustered like joint sets, in a continuous
// colour scale, at the size DotScale gives them.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <cmath>
#include <random>

#include "app/explorer/dot_layer.h"

namespace {

std::vector<tensorium::DotMark> ClusteredDots(int count, double side)
{
    std::mt19937 random(7);
    std::normal_distribution<double> spread(0, side / 20);
    std::uniform_real_distribution<double> any(0, side);
    const QPointF centres[3] = {{0.3 * side, 0.4 * side}, {0.7 * side, 0.3 * side}, {0.5 * side, 0.8 * side}};
    std::vector<tensorium::DotMark> dots;
    for (int k = 0; k < count; ++k) {
        const QPointF at = k % 4 < 3 ? centres[k % 4] + QPointF(spread(random), spread(random))
                                     : QPointF(any(random), any(random));
        dots.push_back({at, QColor::fromHsvF(std::fmod(at.x() / side, 1.0), 0.8, 0.9).rgb(), false});
    }
    return dots;
}

void DotPicture50000(benchmark::State& state)
{
    const double side = 800;
    const std::vector<tensorium::DotMark> dots = ClusteredDots(50000, side);
    const double radius = std::max(1.2, 3.0 * tensorium::DotScale(dots.size()));
    for (auto _ : state) {
        QImage picture = tensorium::DotPicture(QSize(side, side), 1, dots, radius, 0);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(DotPicture50000)->Unit(benchmark::kMillisecond);

// Critically stressed planes on the Mohr diagram: larger, with a dark ring.
void RingedDotPicture50000(benchmark::State& state)
{
    const double side = 800;
    std::vector<tensorium::DotMark> dots = ClusteredDots(50000, side);
    for (tensorium::DotMark& dot : dots) dot.ringed = true;
    const double radius = 1.4 * std::max(1.2, 3.0 * tensorium::DotScale(dots.size()));
    for (auto _ : state) {
        QImage picture = tensorium::DotPicture(QSize(side, side), 1, dots, radius,
                                               std::max(1.0, 0.45 * radius), {}, state.range(0));
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(RingedDotPicture50000)->Arg(0)->Arg(1)->ArgName("crisp")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
