#include "core/answer_marking.h"

#include <cmath>

#include "core/right_answer.h"

namespace tensorium {

double AzimuthGap(double a, double b)
{
    const double gap = std::fmod(std::fabs(a - b), 360.0);
    return gap > 180 ? 360 - gap : gap;
}

double AnswerGap(Quantity quantity, double answer, double right)
{
    return IsAzimuth(quantity) ? AzimuthGap(answer, right) : std::fabs(answer - right);
}

Verdict Mark(const Question& question, const Answer& answer, const AnalysisState& state,
             const ExtraResults& extra)
{
    const std::optional<Answer> right = RightAnswer(question.quantity, state, extra);
    if (!right) return Verdict::noRightValue;
    if (answer.index() != right->index()) return Verdict::wrong;
    if (const auto* regime = std::get_if<StressRegime>(&answer))
        return *regime == std::get<StressRegime>(*right) ? Verdict::right : Verdict::wrong;
    const double gap = AnswerGap(question.quantity, std::get<double>(answer), std::get<double>(*right));
    // A gap that is not a number (an answer of NaN or infinity) is not within any tolerance.
    return gap <= ToleranceOf(question, state) ? Verdict::right : Verdict::wrong;
}

}  // namespace tensorium
