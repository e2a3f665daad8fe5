// How many planes of a plane set are critically stressed under the analysed
// stress, the joint's strength and the pore pressure, as the plane set
// window counts them.
#pragma once

#include "core/analysis_model.h"
#include "core/plane_set.h"

namespace tensorium {

int CountCriticalPlanes(const AnalysisState& state, const PlaneSet& planes);

}  // namespace tensorium
