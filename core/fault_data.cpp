#include "core/fault_data.h"

#include "core/fault_slip.h"

namespace tensorium {

std::vector<FaultSlipDatum> FaultSlipData(const PlaneSet& planes)
{
    std::vector<FaultSlipDatum> data;
    for (const MeasuredPlane& plane : planes)
        if (plane.rake) data.push_back({FrameOf(plane).normal, SlipOfRake(plane, *plane.rake)});
    return data;
}

StressState StressWithAxes(const ReducedStress& reduced, double sigma1, double sigma3)
{
    const double sigma2 = sigma3 + reduced.ratio * (sigma1 - sigma3);
    const Vec3* axes[3] = {&reduced.s1, &reduced.s2, &reduced.s3};
    const double values[3] = {sigma1, sigma2, sigma3};
    double t[3][3] = {};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) t[i][j] += values[k] * (*axes[k])[i] * (*axes[k])[j];
    StressState s;
    s.sx = t[0][0];
    s.sy = t[1][1];
    s.sz = t[2][2];
    s.txy = t[0][1];
    s.tyz = t[1][2];
    s.tzx = t[2][0];
    return s;
}

}  // namespace tensorium
