// The linear estimate of the reduced stress from fault-slip data: the
// deviatoric tensor (trace zero, five unknowns) whose shear traction on every
// plane is the opposite of the observed slip, of one shared size, fitted by
// least squares. It is exact only where the real shears are all equally
// large; the refinement starts from it.
#pragma once

#include <vector>

#include "core/stress_inversion_types.h"

namespace tensorium {

struct LinearStressEstimate {
    bool determined = false;  // false where the faults leave the tensor free
    ReducedStress stress;     // the axes pointing down, as AxisPointingDown turns them
};

LinearStressEstimate EstimateStressLinearly(const std::vector<WeightedFault>& faults);

}  // namespace tensorium
