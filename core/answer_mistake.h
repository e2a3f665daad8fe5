// The slip behind a wrong answer, named in a short hint that says what the
// student did and what to do instead.
#pragma once

#include <optional>
#include <string>

#include "core/exercise_question.h"

namespace tensorium {

enum class MistakeKind {
    otherSign,               // tension taken as positive
    principalOrder,          // another principal stress or axis: s1 >= s2 >= s3
    upperEnd,                // the azimuth of the axis's upper end
    otherConvention,         // the azimuth under the other convention of the Angles menu
    radiansForDegrees,       // an angle given in radians
    degreesAsRadians,        // an angle in degrees converted as if it were in radians
    reciprocalSafetyFactor,  // tau / tlim
    greatestShear,           // tau_max = (s1 - s3) / 2 instead of tau on the plane
    octahedralShear,         // tau_oct instead of tau on the plane
    angleForTangent,         // tlim = c + sigma phi, phi in degrees or radians
    teacherHint,             // none of the above: the question's hint
    workedSolutionStep,      // none of the above and no hint: the step that computes it
    definition,              // none of the above and no hint nor step: what the quantity is
};

struct MistakeHint {
    MistakeKind kind = MistakeKind::workedSolutionStep;
    std::string text;
};

// For a wrong answer, the first slip in the order of MistakeKind whose value
// lies within the question's tolerance of the answer (for an angle in
// another unit, the tolerance in either unit, whichever is narrower);
// otherwise the teacher's hint, a pointer to the worked solution or what the
// quantity is. Nothing for a right answer or where the
// quantity has no right value.
std::optional<MistakeHint> NameMistake(const Question& question, const Answer& answer,
                                       const AnalysisState& state, const ExtraResults& extra = {});

// The step of the worked solution that computes `quantity`; none for the
// count of critical planes and R of the inversion, which it does not show.
std::optional<int> WorkedSolutionStepOf(Quantity quantity);

}  // namespace tensorium
