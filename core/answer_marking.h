// Marking a student's answer: right when it lies within the question's
// tolerance of the right value, the tolerance itself included.
#pragma once

#include "core/exercise_question.h"

namespace tensorium {

enum class Verdict {
    right,
    wrong,
    noRightValue,  // the quantity has no value here (see RightAnswer)
};

// The angle between two azimuths in degrees, round the circle: in [0, 180],
// so that 359 and 1 are 2 apart. Exact where |a - b| is.
double AzimuthGap(double a, double b);

// How far `answer` lies from `right` for `quantity`: round the circle for
// an azimuth, |answer - right| otherwise.
double AnswerGap(Quantity quantity, double answer, double right);

// A number answers every question but the regime, which only a regime
// answers; an answer of the other kind, or one that is not a number, is wrong.
Verdict Mark(const Question& question, const Answer& answer, const AnalysisState& state,
             const ExtraResults& extra = {});

}  // namespace tensorium
