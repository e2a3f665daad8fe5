// The inversion of fault-slip data for the reduced stress: the orientation
// of the principal axes and R = (s2 - s3) / (s1 - s3) that best explain the
// observed slips, each slip taken to follow the shear traction on its plane.
// A linear estimate (one shared shear size on every fault) starts a search
// that minimises the sum of 1 - cos(alpha) over the faults.
#pragma once

#include <vector>

#include "core/stress_inversion_types.h"

namespace tensorium {

enum class InversionStatus {
    ok,
    tooFewFaults,  // fewer than kFewestFaults different faults
    invalidDatum,  // a normal or slip not finite, a zero normal, a slip along the normal
    undetermined,  // the faults leave the stress free (e.g. all on one plane)
    cancelled,     // stopped on request (the bootstrap only)
};

// Four unknowns (three angles and R) need four faults.
inline constexpr int kFewestFaults = 4;

struct InversionResult {
    InversionStatus status = InversionStatus::undetermined;
    int invalidIndex = -1;               // the first invalid datum, for invalidDatum
    ReducedStress stress;                // the best-fitting reduced stress
    ReducedStress linear;                // the linear estimate the search started from
    std::vector<double> misfitsDegrees;  // each datum's alpha in [0, 180] degrees
    double meanMisfitDegrees = 0;        // their mean
    int iterations = 0;                  // the search's linearisations
    bool ok() const { return status == InversionStatus::ok; }
};

// The data made ready for the inversion: unit normals, and unit slips with
// any part along the normal removed. Sets `status` to invalidDatum (and
// `invalidIndex`) for a datum that cannot be made so, to tooFewFaults where
// fewer than kFewestFaults of them differ, and to ok otherwise.
struct PreparedFaults {
    InversionStatus status = InversionStatus::ok;
    int invalidIndex = -1;
    std::vector<WeightedFault> faults;  // in the order of the data, weight 1
    std::vector<int> firstEqual;        // for each datum, the index of the first equal one
    int distinct = 0;                   // the number of different faults
};
PreparedFaults PrepareFaults(const std::vector<FaultSlipDatum>& data);

// Fails cleanly (no NaN anywhere) with the status saying why.
InversionResult InvertFaultSlip(const std::vector<FaultSlipDatum>& data);

}  // namespace tensorium
