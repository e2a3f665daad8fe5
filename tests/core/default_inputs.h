// The inputs the program starts with, stored as its reading steps store them.
#pragma once

#include "core/analysis_model.h"

namespace tensorium::testing_support {

inline void SetDefaultInputs(AnalysisState& s, const StressState& stress = {3.4, 1, 8, 1, -1, 2})
{
    s.convention = AzimuthConvention::azClockwiseFromNorth;
    s.stress = stress;
    s.user.beta = DegToRad(125), s.user.psi = DegToRad(30), s.user.theta = DegToRad(15);
    s.joint = {DegToRad(16), DegToRad(33), 14, 1};
}

}  // namespace tensorium::testing_support
