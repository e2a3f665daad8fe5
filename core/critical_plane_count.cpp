#include "core/critical_plane_count.h"

#include "core/plane_set_analysis.h"

namespace tensorium {

PlaneSetConditions ConditionsOf(const AnalysisState& state)
{
    PlaneSetConditions conditions;
    conditions.s1 = state.principal.s1;
    conditions.s3 = state.principal.s3;
    conditions.phiDegrees = state.joint.phi;
    conditions.c = state.joint.c;
    conditions.porePressure = state.porePressure;
    return conditions;
}

int CountCriticalPlanes(const AnalysisState& state, const PlaneSet& planes)
{
    const PlaneSetConditions conditions = ConditionsOf(state);
    int count = 0;
    for (const MeasuredPlane& plane : planes)
        count += AssessMeasured(StressesOn(plane, state.stress), conditions).critical;
    return count;
}

}  // namespace tensorium
