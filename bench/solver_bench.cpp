// The principal solver alone, on the default state and on harder ones.
#include <benchmark/benchmark.h>

#include "core/principal_solver.h"

namespace {

using tensorium::AzimuthConvention;
using tensorium::StressState;

void Solve(benchmark::State& state, StressState stress)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(&stress);
        auto result = tensorium::ComputePrincipalStresses(stress, AzimuthConvention::azClockwiseFromNorth);
        benchmark::DoNotOptimize(result);
    }
}

BENCHMARK_CAPTURE(Solve, Defaults, StressState{3.4, 1, 8, 1, -1, 2});
BENCHMARK_CAPTURE(Solve, NearlyEqualPair, StressState{5e6, 5.000000001e6, 8e6, 1e-3, 2e6, 0.5});
BENCHMARK_CAPTURE(Solve, Diagonal, StressState{1, 2, 3, 0, 0, 0});

}  // namespace
