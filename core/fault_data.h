// The faults of a plane set as the inversion reads them, and the stress
// tensor that a reduced stress stands for once its two extreme principal
// stresses are chosen.
#pragma once

#include <vector>

#include "core/plane_set.h"
#include "core/stress_inversion_types.h"
#include "core/stress_state.h"

namespace tensorium {

// Every plane with an observed slip (a rake): its upward normal and the
// hanging wall's unit slip. Planes without slip are left out.
std::vector<FaultSlipDatum> FaultSlipData(const PlaneSet& planes);

// The tensor with the axes of `reduced`, sigma1 and sigma3 as given and
// sigma2 = sigma3 + R (sigma1 - sigma3), in the global system (x East, y
// North, z up).
StressState StressWithAxes(const ReducedStress& reduced, double sigma1, double sigma3);

}  // namespace tensorium
