// The stress inversion of 500 faults, alone and with 1,000 bootstrap
// resamples (goal: at most 2 s). The slips follow a tilted stress with a
// normal random error of 10 degrees in their rakes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/angles.h"
#include "core/stress_inversion.h"
#include "core/stress_inversion_bootstrap.h"

namespace {

using tensorium::Vec3;

double Uniform(std::mt19937_64& random) { return (random() >> 11) * 0x1p-53; }

std::vector<tensorium::FaultSlipDatum> NoisyFaults(int count)
{
    std::mt19937_64 random(20240612);
    // s1 plunging 60 degrees to N30E, s3 plunging 30 degrees to N210E.
    const double a1 = tensorium::DegToRad(30), p1 = tensorium::DegToRad(60), p3 = tensorium::DegToRad(30);
    const Vec3 s1{std::sin(a1) * std::cos(p1), std::cos(a1) * std::cos(p1), -std::sin(p1)};
    const Vec3 s3{-std::sin(a1) * std::cos(p3), -std::cos(a1) * std::cos(p3), -std::sin(p3)};
    const tensorium::Mat3 stress = tensorium::ReducedTensor({s1, tensorium::Cross(s3, s1), s3, 0.4});
    std::vector<tensorium::FaultSlipDatum> data;
    while (static_cast<int>(data.size()) < count) {
        const double z = Uniform(random), phi = 2 * tensorium::kPi * Uniform(random);
        const double r = std::sqrt(1 - z * z);
        const Vec3 n{r * std::cos(phi), r * std::sin(phi), z};
        const Vec3 slip = tensorium::PredictedSlip(stress, n);
        if (tensorium::Norm(slip) == 0) continue;
        // Box-Muller: a normal random turn of 10 degrees' deviation.
        const double turn = tensorium::DegToRad(10) * std::sqrt(-2 * std::log(1 - Uniform(random))) *
                            std::cos(2 * tensorium::kPi * Uniform(random));
        data.push_back({n, tensorium::Sum(tensorium::Scaled(slip, std::cos(turn)),
                                          tensorium::Scaled(tensorium::Cross(n, slip), std::sin(turn)))});
    }
    return data;
}

void Inversion(benchmark::State& state)
{
    const std::vector<tensorium::FaultSlipDatum> data = NoisyFaults(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const tensorium::InversionResult result = tensorium::InvertFaultSlip(data);
        if (!result.ok()) state.SkipWithError("inversion failed");
        benchmark::DoNotOptimize(result.stress.ratio);
    }
}

// Threads 0: one for each processor. Real time, since the work runs on
// other threads too.
void Bootstrap(benchmark::State& state)
{
    const std::vector<tensorium::FaultSlipDatum> data = NoisyFaults(static_cast<int>(state.range(0)));
    const int threads = static_cast<int>(state.range(2));
    for (auto _ : state) {
        const tensorium::BootstrapResult result =
            tensorium::InvertWithBootstrap(data, static_cast<int>(state.range(1)), 1, {}, nullptr, threads);
        if (!result.ok()) state.SkipWithError("bootstrap failed");
        benchmark::DoNotOptimize(result.ratioLow);
    }
    state.SetLabel(threads == 0 ? "all processors" : std::to_string(threads) + " thread(s)");
}

BENCHMARK(Inversion)->Arg(500)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(Bootstrap)
    ->Args({500, 1000, 0})
    ->Args({500, 1000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
