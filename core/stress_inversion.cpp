#include "core/stress_inversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "core/stress_inversion_linear.h"
#include "core/stress_inversion_refine.h"

namespace tensorium {
namespace {

// A slip whose part in the plane is below this fraction of its length runs
// along the normal: rounding alone leaves 1e-16 of it, and what is left has
// no direction worth fitting.
constexpr double kSmallestInPlane = 1e-9;

bool Finite(const Vec3& v) { return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]); }

// Divided rather than multiplied by 1 / length, which overflows for the
// shortest vectors.
Vec3 Divided(const Vec3& v, double length) { return {v[0] / length, v[1] / length, v[2] / length}; }

bool Prepared(const FaultSlipDatum& datum, WeightedFault& fault)
{
    if (!Finite(datum.normal) || !Finite(datum.slip)) return false;
    const double normalLength = Norm(datum.normal), slipLength = Norm(datum.slip);
    if (!(normalLength > 0) || !std::isfinite(normalLength) || !(slipLength > 0) ||
        !std::isfinite(slipLength))
        return false;
    const Vec3 n = Divided(datum.normal, normalLength);
    const Vec3 s = Divided(datum.slip, slipLength);
    const Vec3 inPlane = Difference(s, Scaled(n, Dot(n, s)));
    const double inPlaneLength = Norm(inPlane);
    if (!(inPlaneLength > kSmallestInPlane)) return false;
    fault = {n, Divided(inPlane, inPlaneLength), 1};
    return true;
}

}  // namespace

PreparedFaults PrepareFaults(const std::vector<FaultSlipDatum>& data)
{
    PreparedFaults prepared;
    prepared.faults.resize(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        if (!Prepared(data[i], prepared.faults[i])) {
            prepared.status = InversionStatus::invalidDatum;
            prepared.invalidIndex = static_cast<int>(i);
            prepared.faults.clear();
            return prepared;
        }
    }
    // Equal faults found by sorting: (normal, slip) compared as six numbers.
    auto key = [&](int i) {
        const WeightedFault& f = prepared.faults[static_cast<size_t>(i)];
        return std::array<double, 6>{f.normal[0], f.normal[1], f.normal[2], f.slip[0], f.slip[1], f.slip[2]};
    };
    std::vector<int> order(data.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    prepared.firstEqual.assign(data.size(), 0);
    for (size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && key(order[k]) == key(order[k - 1])) {
            prepared.firstEqual[static_cast<size_t>(order[k])] =
                prepared.firstEqual[static_cast<size_t>(order[k - 1])];
        } else {
            prepared.firstEqual[static_cast<size_t>(order[k])] = order[k];
            ++prepared.distinct;
        }
    }
    if (prepared.distinct < kFewestFaults) prepared.status = InversionStatus::tooFewFaults;
    return prepared;
}

InversionResult InvertFaultSlip(const std::vector<FaultSlipDatum>& data)
{
    InversionResult result;
    const PreparedFaults prepared = PrepareFaults(data);
    result.status = prepared.status;
    result.invalidIndex = prepared.invalidIndex;
    if (prepared.status != InversionStatus::ok) return result;

    const LinearStressEstimate linear = EstimateStressLinearly(prepared.faults);
    if (!linear.determined) {
        result.status = InversionStatus::undetermined;
        return result;
    }
    result.linear = linear.stress;
    const StressRefinement refined = RefineReducedStress(prepared.faults, linear.stress);
    result.stress = refined.stress;
    result.iterations = refined.iterations;

    const Mat3 tensor = ReducedTensor(result.stress);
    result.misfitsDegrees.reserve(data.size());
    double sum = 0;
    for (const WeightedFault& f : prepared.faults) {
        result.misfitsDegrees.push_back(MisfitDegrees(tensor, {f.normal, f.slip}));
        sum += result.misfitsDegrees.back();
    }
    result.meanMisfitDegrees = sum / static_cast<double>(data.size());
    return result;
}

}  // namespace tensorium
