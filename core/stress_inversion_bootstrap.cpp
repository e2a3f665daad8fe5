#include "core/stress_inversion_bootstrap.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <random>
#include <system_error>
#include <thread>

#include "core/angles.h"
#include "core/stress_inversion_linear.h"
#include "core/stress_inversion_refine.h"

namespace tensorium {
namespace {

// SplitMix64's finaliser: neighbouring inputs give unrelated outputs.
std::uint64_t Mixed(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15u;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
    return x ^ (x >> 31);
}

struct Sample {
    bool ok = false;
    ReducedStress stress;
};

// The scratch space of one working thread.
struct Scratch {
    std::vector<int> counts;
    std::vector<char> seen;
    std::vector<WeightedFault> faults;
};

Vec3 OnSideOf(const Vec3& axis, const Vec3& best) { return Dot(axis, best) < 0 ? Scaled(axis, -1) : axis; }

Sample Resampled(const PreparedFaults& prepared, const ReducedStress& best, std::uint64_t seed, int index,
                 Scratch& scratch)
{
    const size_t n = prepared.faults.size();
    // The engine's output is fixed by the standard, and the remainder too:
    // std::uniform_int_distribution differs between libraries. Its bias,
    // n / 2^64, is nothing.
    std::mt19937_64 engine(Mixed(Mixed(seed) + static_cast<std::uint64_t>(index)));
    scratch.counts.assign(n, 0);
    for (size_t i = 0; i < n; ++i) ++scratch.counts[static_cast<size_t>(engine() % n)];

    scratch.seen.assign(n, 0);
    int distinct = 0;
    scratch.faults.clear();
    for (size_t i = 0; i < n; ++i) {
        if (scratch.counts[i] == 0) continue;
        const size_t first = static_cast<size_t>(prepared.firstEqual[i]);
        if (!scratch.seen[first]) {
            scratch.seen[first] = 1;
            ++distinct;
        }
        WeightedFault fault = prepared.faults[i];
        fault.weight = scratch.counts[i];
        scratch.faults.push_back(fault);
    }
    Sample sample;
    if (distinct < kFewestFaults || !EstimateStressLinearly(scratch.faults).determined) return sample;
    const ReducedStress found = RefineReducedStress(scratch.faults, best).stress;
    sample.ok = true;
    sample.stress = {OnSideOf(found.s1, best.s1), OnSideOf(found.s2, best.s2), OnSideOf(found.s3, best.s3),
                     found.ratio};
    return sample;
}

// Linear interpolation between the sorted values at p (m - 1).
double Percentile(const std::vector<double>& sorted, double p)
{
    const double h = p * static_cast<double>(sorted.size() - 1);
    const size_t low = static_cast<size_t>(std::floor(h));
    if (low + 1 >= sorted.size()) return sorted.back();
    return sorted[low] + (h - static_cast<double>(low)) * (sorted[low + 1] - sorted[low]);
}

double Radius95Degrees(const std::vector<Vec3>& samples, const Vec3& best)
{
    std::vector<double> angles;
    angles.reserve(samples.size());
    for (const Vec3& axis : samples)
        angles.push_back(RadToDeg(std::atan2(Norm(Cross(axis, best)), std::fabs(Dot(axis, best)))));
    std::sort(angles.begin(), angles.end());
    const size_t inside = (95 * angles.size() + 99) / 100;  // ceil(0.95 m), in integers
    return angles[inside - 1];
}

}  // namespace

BootstrapResult InvertWithBootstrap(const std::vector<FaultSlipDatum>& data, int resamples,
                                    std::uint64_t seed, const std::function<void(double)>& progress,
                                    const std::atomic<bool>* cancel, int threads)
{
    BootstrapResult result;
    result.resamples = std::max(resamples, 0);
    result.best = InvertFaultSlip(data);
    result.status = result.best.status;
    if (!result.best.ok()) return result;
    if (result.resamples == 0) {
        result.ratioLow = result.ratioHigh = result.best.stress.ratio;
        return result;
    }

    const PreparedFaults prepared = PrepareFaults(data);
    const ReducedStress best = result.best.stress;
    std::vector<Sample> samples(static_cast<size_t>(result.resamples));
    std::atomic<int> next{0};
    std::atomic<bool> stopped{false};
    std::mutex progressMutex;
    int done = 0;
    auto work = [&]() {
        Scratch scratch;
        for (;;) {
            if (cancel && cancel->load()) {
                stopped = true;
                return;
            }
            const int k = next.fetch_add(1);
            if (k >= result.resamples) return;
            samples[static_cast<size_t>(k)] = Resampled(prepared, best, seed, k, scratch);
            const std::lock_guard<std::mutex> lock(progressMutex);
            ++done;
            if (progress) progress(static_cast<double>(done) / result.resamples);
        }
    };
    int workers = threads > 0 ? threads : static_cast<int>(std::thread::hardware_concurrency());
    workers = std::clamp(workers, 1, result.resamples);
    std::vector<std::thread> pool;
    for (int t = 1; t < workers; ++t) {
        try {
            pool.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // fewer threads give the same result, later
        }
    }
    work();
    for (std::thread& thread : pool) thread.join();
    if (stopped && done < result.resamples) {
        result.status = InversionStatus::cancelled;
        return result;
    }

    const Vec3 bestAxes[3] = {best.s1, best.s2, best.s3};
    for (const Sample& sample : samples) {
        if (!sample.ok) {
            ++result.failedResamples;
            continue;
        }
        result.ratios.push_back(sample.stress.ratio);
        result.axes[0].samples.push_back(sample.stress.s1);
        result.axes[1].samples.push_back(sample.stress.s2);
        result.axes[2].samples.push_back(sample.stress.s3);
    }
    if (result.ratios.empty()) {
        result.status = InversionStatus::undetermined;
        return result;
    }
    std::vector<double> sorted = result.ratios;
    std::sort(sorted.begin(), sorted.end());
    result.ratioLow = Percentile(sorted, 0.025);
    result.ratioHigh = Percentile(sorted, 0.975);
    for (int a = 0; a < 3; ++a)
        result.axes[a].radius95Degrees = Radius95Degrees(result.axes[a].samples, bestAxes[a]);
    return result;
}

}  // namespace tensorium
