// How many planes of a plane set are critically stressed under the analysed
// stress, the joint's strength and the pore pressure, as the plane set
// window counts them.
#pragma once

#include "core/analysis_model.h"
#include "core/plane_set.h"
#include "core/plane_set_analysis.h"

namespace tensorium {

int CountCriticalPlanes(const AnalysisState& state, const PlaneSet& planes);

// The strength and pore pressure every plane of a set is given in `state`.
PlaneSetConditions ConditionsOf(const AnalysisState& state);

}  // namespace tensorium
