// The density of 50,000 poles on grids fine enough for smooth contours on a
// full screen: three sets of planes and a fifth of them scattered.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "core/angles.h"
#include "diagrams/pole_density.h"

namespace {

using tensorium::Vec3;

double Uniform(std::mt19937_64& random) { return (random() >> 11) * 0x1p-53; }

// A direction about `mean` (unit) with a Fisher distribution of
// concentration kappa: cos of the angle from the mean has the density
// proportional to e^{kappa cos}.
Vec3 Scattered(std::mt19937_64& random, const Vec3& mean, double kappa)
{
    const double c = 1 + std::log(Uniform(random) * -std::expm1(-2 * kappa) + std::exp(-2 * kappa)) / kappa;
    const double s = std::sqrt(std::max(0.0, 1 - c * c));
    const double phi = 2 * tensorium::kPi * Uniform(random);
    const Vec3 other = std::fabs(mean[2]) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    Vec3 u = tensorium::Cross(mean, other);
    u = tensorium::Scaled(u, 1 / tensorium::Norm(u));
    const Vec3 v = tensorium::Cross(mean, u);
    return tensorium::Sum(
        tensorium::Scaled(mean, c),
        tensorium::Sum(tensorium::Scaled(u, s * std::cos(phi)), tensorium::Scaled(v, s * std::sin(phi))));
}

std::vector<Vec3> ThreeSetsAndNoise(int count)
{
    std::mt19937_64 random(20240611);
    const Vec3 sets[3] = {tensorium::PoleOf({tensorium::DegToRad(120), tensorium::DegToRad(35)}),
                          tensorium::PoleOf({tensorium::DegToRad(215), tensorium::DegToRad(80)}),
                          tensorium::PoleOf({tensorium::DegToRad(10), tensorium::DegToRad(88)})};
    std::vector<Vec3> poles;
    poles.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (i % 5 == 4) {
            const double z = 2 * Uniform(random) - 1, phi = 2 * tensorium::kPi * Uniform(random);
            const double r = std::sqrt(1 - z * z);
            poles.push_back({r * std::cos(phi), r * std::sin(phi), z});
        } else {
            poles.push_back(Scattered(random, sets[i % 5 % 3], 40));
        }
    }
    return poles;
}

void Density(benchmark::State& state)
{
    const std::vector<Vec3> poles = ThreeSetsAndNoise(50000);
    const int nodes = static_cast<int>(state.range(0));
    for (auto _ : state) {
        tensorium::PoleDensity density = tensorium::KambDensity(poles, nodes);
        benchmark::DoNotOptimize(density.maximum);
    }
    state.SetLabel(std::to_string(nodes) + " nodes a side");
}

BENCHMARK(Density)->Arg(64)->Arg(96)->Arg(128)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
