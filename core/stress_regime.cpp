#include "core/stress_regime.h"

#include <cmath>

namespace tensorium {

StressRegime RegimeFromPlunges(double pl1, double pl2, double pl3)
{
    if (pl1 >= 52 && pl3 <= 35) return StressRegime::normal;
    if (pl1 >= 40 && pl1 < 52 && pl3 <= 20) return StressRegime::normalStrikeSlip;
    if ((pl1 < 40 && pl2 >= 45 && pl3 <= 20) || (pl1 <= 20 && pl2 >= 45 && pl3 < 40))
        return StressRegime::strikeSlip;
    if (pl1 <= 20 && pl3 >= 40 && pl3 < 52) return StressRegime::thrustStrikeSlip;
    if (pl1 <= 35 && pl3 >= 52) return StressRegime::thrust;
    return StressRegime::unknown;
}

double ShownPlungeDegrees(const PrincipalAxis& axis) { return std::round(RadToDeg(axis.dip) * 100) / 100; }

StressRegime RegimeOf(const PrincipalResult& p)
{
    return RegimeFromPlunges(ShownPlungeDegrees(p.axes[0]), ShownPlungeDegrees(p.axes[1]),
                             ShownPlungeDegrees(p.axes[2]));
}

const char* RegimeName(StressRegime regime)
{
    switch (regime) {
        case StressRegime::normal: return "normal faulting";
        case StressRegime::normalStrikeSlip: return "normal faulting with strike-slip";
        case StressRegime::strikeSlip: return "strike-slip faulting";
        case StressRegime::thrustStrikeSlip: return "thrust faulting with strike-slip";
        case StressRegime::thrust: return "thrust faulting";
        case StressRegime::unknown: break;
    }
    return "unknown";
}

}  // namespace tensorium
