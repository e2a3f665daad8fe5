// The reduced stress that best explains fault-slip data: it minimises the
// weighted sum of 1 - cos(alpha), alpha the angle between each observed slip
// and the slip the stress predicts. Levenberg-Marquardt steps turn the three
// axes together by a small rotation and change R, from a given start.
#pragma once

#include <vector>

#include "core/stress_inversion_types.h"

namespace tensorium {

struct StressRefinement {
    ReducedStress stress;  // the axes pointing down, R in [0, 1]
    double cost = 0;       // the weighted sum of 1 - cos(alpha) there
    int iterations = 0;    // the linearisations it took
};

// `faults` hold unit normals with unit slips in their planes; `start` has
// orthogonal unit axes in the order of s1 >= s2 >= s3. R stays in [0, 1]: a
// step that takes R past 0 or 1 swaps the two axes whose stresses cross, so
// that the stress itself changes smoothly there.
StressRefinement RefineReducedStress(const std::vector<WeightedFault>& faults, const ReducedStress& start);

}  // namespace tensorium
