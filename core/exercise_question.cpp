#include "core/exercise_question.h"

#include <algorithm>

namespace tensorium {
namespace {

constexpr double kLeastStressTolerance = 0.01;
constexpr double kAngleTolerance = 2;  // degrees
constexpr double kRatioTolerance = 0.02;

}  // namespace

double DefaultTolerance(Quantity quantity, const AnalysisState& state)
{
    if (IsStress(quantity))
        return std::max(kLeastStressTolerance, (state.principal.s1 - state.principal.s3) / 100);
    if (IsAzimuth(quantity) || IsDip(quantity)) return kAngleTolerance;
    if (quantity == Quantity::safetyFactor || quantity == Quantity::inversionRatio) return kRatioTolerance;
    return 0;  // the count of planes and the regime
}

double ToleranceOf(const Question& question, const AnalysisState& state)
{
    return question.tolerance ? *question.tolerance : DefaultTolerance(question.quantity, state);
}

}  // namespace tensorium
