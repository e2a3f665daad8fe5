#include "core/right_answer.h"

#include "core/equal_stresses.h"

namespace tensorium {

std::optional<StressRegime> RightRegime(const AnalysisState& state)
{
    if (EqualPrincipalStresses(state.principal).all) return std::nullopt;
    return RegimeOf(state.principal);
}

std::optional<double> RightNumber(Quantity quantity, const AnalysisState& state, const ExtraResults& extra)
{
    const PrincipalResult& p = state.principal;
    const StressState& user = state.user.stress;
    const int axis = PrincipalIndex(quantity);
    if (IsAzimuth(quantity)) return RadToDeg(p.axes[axis].azimuth);
    if (IsDip(quantity)) return RadToDeg(p.axes[axis].dip);
    switch (quantity) {
        case Quantity::s1: return p.s1;
        case Quantity::s2: return p.s2;
        case Quantity::s3: return p.s3;
        case Quantity::sigma: return state.jointResult.sigma;
        case Quantity::tau: return state.jointResult.tau;
        case Quantity::tlim: return state.jointResult.tlim;
        case Quantity::safetyFactor: return SafetyFactor(state.jointResult);
        case Quantity::userSx: return user.sx;
        case Quantity::userSy: return user.sy;
        case Quantity::userSz: return user.sz;
        case Quantity::userTxy: return user.txy;
        case Quantity::userTyz: return user.tyz;
        case Quantity::userTzx: return user.tzx;
        case Quantity::criticalPlanes:
            if (extra.criticalPlanes) return *extra.criticalPlanes;
            return std::nullopt;
        case Quantity::inversionRatio: return extra.inversionRatio;
        default: return std::nullopt;  // the regime, and the angles handled above
    }
}

std::optional<Answer> RightAnswer(Quantity quantity, const AnalysisState& state, const ExtraResults& extra)
{
    if (quantity == Quantity::regime) {
        const std::optional<StressRegime> regime = RightRegime(state);
        if (regime) return Answer(*regime);
        return std::nullopt;
    }
    const std::optional<double> number = RightNumber(quantity, state, extra);
    if (number) return Answer(*number);
    return std::nullopt;
}

}  // namespace tensorium
