#include "chart/chart_axis.h"

#include <algorithm>
#include <cmath>

namespace tensorium {

void TChartAxis::SetRange(double minimum, double maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    automatic_ = false;
}

AxisScale TChartAxis::Scale(const std::optional<DataExtent>& extent) const
{
    if (!automatic_) return FixedScale(minimum_, maximum_, minorTickCount_);
    if (!extent) return FitScale(-1.0, 1.0, minorTickCount_);
    if (!symmetric_) return FitScale(extent->low, extent->high, minorTickCount_);
    double reach = std::max(std::fabs(extent->low), std::fabs(extent->high));
    if (reach == 0.0) reach = 1.0;
    // Both ends are rounded alike, so the range stays centred on zero.
    return FitScale(-reach, reach, minorTickCount_);
}

}  // namespace tensorium
