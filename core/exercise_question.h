// A question of an exercise, the answers a student gives and how far an
// answer may be from the right value.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/analysis_model.h"
#include "core/exercise_quantity.h"
#include "core/stress_regime.h"

namespace tensorium {

struct Question {
    Quantity quantity = Quantity::s1;
    std::optional<double> tolerance;  // none: DefaultTolerance
    std::string hint;                 // the teacher's, shown for a slip the program cannot name
};

// A number (angles in degrees), or a regime for the regime question.
using Answer = std::variant<double, StressRegime>;

// Results that the analysis state does not hold: the count of critically
// stressed planes of the plane set, and R of the inverted stress. None where
// the exercise has no plane set or no inversion.
struct ExtraResults {
    std::optional<int> criticalPlanes;
    std::optional<double> inversionRatio;
};

// Stresses 1 % of s1 - s3 but at least 0.01; angles 2 degrees; SF and R
// 0.02; the count and the regime 0 (exact).
double DefaultTolerance(Quantity quantity, const AnalysisState& state);

// The question's own tolerance, or the default one.
double ToleranceOf(const Question& question, const AnalysisState& state);

}  // namespace tensorium
