// How well fault-slip data fix the reduced stress: the data resampled with
// replacement many times, each resample inverted, and the spread of the
// resamples' axes and R about the inversion of all the data.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/stress_inversion.h"

namespace tensorium {

struct BootstrapAxis {
    std::vector<Vec3> samples;   // each resample's axis, turned to the side of the best axis
    double radius95Degrees = 0;  // the smallest cone about the best axis that holds 95 % of them
};

struct BootstrapResult {
    // ok; cancelled; the status of the inversion of all the data where that
    // failed; undetermined where every resample left the stress free.
    InversionStatus status = InversionStatus::undetermined;
    InversionResult best;                // all the data
    std::array<BootstrapAxis, 3> axes;   // s1, s2, s3
    std::vector<double> ratios;          // each resample's R
    double ratioLow = 0, ratioHigh = 0;  // their 2.5 and 97.5 percentiles
    int resamples = 0;                   // as asked
    int failedResamples = 0;             // resamples whose faults left the stress free
    bool ok() const { return status == InversionStatus::ok; }
};

inline constexpr int kDefaultResamples = 1000;

// Resample k draws its faults with a std::mt19937_64 seeded from `seed` and
// k alone, and starts its search from the stress of all the data, so that
// the result is the same on every machine and for any number of `threads`
// (0: one for each processor). `progress` gets the fraction of resamples
// done, rising, from the working threads one call at a time; it must not
// throw. `cancel` is read between resamples: once it is true the function
// returns soon with the status cancelled. Percentiles of R interpolate
// linearly between the sorted values; the cone holds the first
// ceil(0.95 m) of the m sorted angles from the best axis.
BootstrapResult InvertWithBootstrap(const std::vector<FaultSlipDatum>& data,
                                    int resamples = kDefaultResamples, std::uint64_t seed = 1,
                                    const std::function<void(double)>& progress = {},
                                    const std::atomic<bool>* cancel = nullptr, int threads = 0);

}  // namespace tensorium
