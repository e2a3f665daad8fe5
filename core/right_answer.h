// The right answer to each question, read from the analysed state as the
// main window shows it.
#pragma once

#include <optional>

#include "core/analysis_model.h"
#include "core/exercise_question.h"

namespace tensorium {

// The regime read from the principal axes; none when s1 = s2 = s3, where
// the axes and so the regime have no value.
std::optional<StressRegime> RightRegime(const AnalysisState& state);

// The right answer in the unit the window shows: stresses as computed,
// azimuths and dips of the axes' downward ends in degrees (azimuths under
// the state's convention), SF = tlim / tau, the regime as its enum. None
// where there is no value: SF with tau = 0, the regime of equal stresses,
// and the count and R when `extra` lacks them.
std::optional<Answer> RightAnswer(Quantity quantity, const AnalysisState& state,
                                  const ExtraResults& extra = {});

// The same for a number; none for the regime.
std::optional<double> RightNumber(Quantity quantity, const AnalysisState& state,
                                  const ExtraResults& extra = {});

}  // namespace tensorium
