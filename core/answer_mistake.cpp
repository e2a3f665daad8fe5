#include "core/answer_mistake.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/answer_marking.h"
#include "core/right_answer.h"
#include "core/stress_descriptors.h"

namespace tensorium {
namespace {

// The step numbers of core/worked_solution.cpp.
constexpr int kPrincipalStep = 2;
constexpr int kDescriptorStep = 3;
constexpr int kUserSystemStep = 4;
constexpr int kJointStep = 5;

const char* const kStressNames[3] = {"s1", "s2", "s3"};

struct Slip {
    MistakeKind kind;
    double value;  // what the slip gives, in the unit of the answer
    std::string text;
    // The size of that unit in the question's unit (degrees for an angle).
    // The tolerance holds in both units, so that a value blown up by
    // 180/pi is not matched over a window 57 times as wide.
    double unit = 1;
};

MistakeHint Hint(MistakeKind kind, std::string text) { return {kind, std::move(text)}; }

std::string ConventionWords(AzimuthConvention convention)
{
    return convention == AzimuthConvention::azClockwiseFromNorth ? "clockwise from North"
                                                                 : "counterclockwise from East";
}

AzimuthConvention Other(AzimuthConvention convention)
{
    return convention == AzimuthConvention::azClockwiseFromNorth
               ? AzimuthConvention::azCounterclockwiseFromEast
               : AzimuthConvention::azClockwiseFromNorth;
}

double Turned(double azimuthDegrees, double by) { return std::fmod(azimuthDegrees + by + 720.0, 360.0); }

// The slips a number answer may come from, in the order they are looked for.
std::vector<Slip> NumberSlips(Quantity q, double right, const AnalysisState& state)
{
    std::vector<Slip> slips;
    const PrincipalResult& p = state.principal;
    const double principal[3] = {p.s1, p.s2, p.s3};
    const int k = PrincipalIndex(q);
    if (IsStress(q)) {
        slips.push_back({MistakeKind::otherSign, -right,
                         "This is the right size with the other sign. Compression is positive here: "
                         "change the sign."});
        // With tension positive the largest value is -s3: the order turns round.
        if (IsPrincipalStress(q) && k != 1)
            slips.push_back({MistakeKind::otherSign, -principal[2 - k],
                             std::string("This is ") + kStressNames[k] +
                                 " with tension taken as positive. Compression is positive here: turn "
                                 "the signs round, then keep the order s1 ≥ s2 ≥ s3."});
    }
    if (IsPrincipalStress(q))
        for (int other = 0; other < 3; ++other)
            if (other != k)
                slips.push_back({MistakeKind::principalOrder, principal[other],
                                 std::string("This is ") + kStressNames[other] +
                                     ". Keep the order s1 ≥ s2 ≥ s3 and give " + kStressNames[k] + "."});
    if (IsAzimuth(q) || IsDip(q)) {
        const bool azimuth = IsAzimuth(q);
        for (int other = 0; other < 3; ++other)
            if (other != k) {
                const PrincipalAxis& axis = p.axes[other];
                slips.push_back({MistakeKind::principalOrder, RadToDeg(azimuth ? axis.azimuth : axis.dip),
                                 std::string("This is the ") + (azimuth ? "azimuth" : "dip") + " of the " +
                                     kStressNames[other] +
                                     " axis. Keep the order s1 ≥ s2 ≥ s3 and give that of the " +
                                     kStressNames[k] + " axis."});
            }
    }
    if (IsAzimuth(q)) {
        slips.push_back({MistakeKind::upperEnd, Turned(right, 180),
                         "This is the azimuth of the axis's upper end. Azimuth and dip belong to the "
                         "downward end: turn the azimuth by 180°."});
        slips.push_back({MistakeKind::otherConvention, Turned(-right, 90),
                         "This azimuth is measured " + ConventionWords(Other(state.convention)) +
                             ", but the Angles menu is set to " + ConventionWords(state.convention) +
                             ". Convert with az' = 90° − az (mod 360°)."});
    }
    if (IsAzimuth(q) || IsDip(q)) {
        const double degree = kPi / 180;
        slips.push_back({MistakeKind::radiansForDegrees, right * degree,
                         "This is the angle in radians. Give it in degrees: multiply by 180/π.", 1 / degree});
        slips.push_back({MistakeKind::degreesAsRadians, right / degree,
                         "This is the angle in degrees converted as if it were in radians. It is already in "
                         "degrees: leave out the conversion.",
                         degree});
    }
    if (q == Quantity::safetyFactor && right != 0)
        slips.push_back({MistakeKind::reciprocalSafetyFactor, 1 / right,
                         "This is tau / tlim. SF = tlim / tau: turn the fraction over."});
    if (q == Quantity::tau) {
        const StressDescriptors d = DescribeStress(state.stress, p);
        const std::string onPlane =
            "tau is the shear stress on the joint plane: the part of its traction along the plane.";
        slips.push_back({MistakeKind::greatestShear, d.maxShear,
                         "This is τmax = (s1 − s3) / 2, the greatest shear stress on any plane. " + onPlane});
        slips.push_back({MistakeKind::octahedralShear, d.octahedralShear,
                         "This is the octahedral shear stress τoct. " + onPlane});
    }
    if (q == Quantity::tlim) {
        const JointPlane& j = state.joint;
        const double sigma = state.jointResult.sigma;
        slips.push_back({MistakeKind::angleForTangent, j.c + sigma * j.phi,
                         "This is c + sigma·phi with phi in degrees: the tangent is missing. "
                         "Use tlim = c + sigma·tan(phi)."});
        slips.push_back({MistakeKind::angleForTangent, j.c + sigma * DegToRad(j.phi),
                         "This is c + sigma·phi with phi in radians: the tangent is missing. "
                         "Use tlim = c + sigma·tan(phi)."});
    }
    return slips;
}

MistakeHint Pointer(const Question& question)
{
    if (!question.hint.empty()) return Hint(MistakeKind::teacherHint, question.hint);
    if (const std::optional<int> step = WorkedSolutionStepOf(question.quantity))
        return Hint(MistakeKind::workedSolutionStep,
                    "See step " + std::to_string(*step) + " of the worked solution.");
    if (question.quantity == Quantity::criticalPlanes)
        return Hint(MistakeKind::definition,
                    "A plane is critically stressed when it opens (sigma − p < 0) or when its safety "
                    "factor at the pore pressure p is at most 1. Count those of the plane set.");
    return Hint(MistakeKind::definition,
                "R = (s2 − s3) / (s1 − s3) of the stress that best explains the slips on the faults, "
                "between 0 and 1.");
}

}  // namespace

std::optional<int> WorkedSolutionStepOf(Quantity q)
{
    if (IsPrincipalStress(q) || IsAzimuth(q) || IsDip(q)) return kPrincipalStep;
    if (q == Quantity::regime) return kDescriptorStep;
    if (IsUserStress(q)) return kUserSystemStep;
    if (q == Quantity::sigma || q == Quantity::tau || q == Quantity::tlim || q == Quantity::safetyFactor)
        return kJointStep;
    return std::nullopt;
}

std::optional<MistakeHint> NameMistake(const Question& question, const Answer& answer,
                                       const AnalysisState& state, const ExtraResults& extra)
{
    const Verdict verdict = Mark(question, answer, state, extra);
    if (verdict != Verdict::wrong) return std::nullopt;
    const Quantity q = question.quantity;
    const std::optional<Answer> right = RightAnswer(q, state, extra);
    if (const auto* regime = std::get_if<StressRegime>(&answer)) {
        // With tension positive s3 takes the place of S1 in the table.
        const PrincipalResult& p = state.principal;
        const StressRegime swapped = RegimeFromPlunges(
            ShownPlungeDegrees(p.axes[2]), ShownPlungeDegrees(p.axes[1]), ShownPlungeDegrees(p.axes[0]));
        if (q == Quantity::regime && *regime == swapped)
            return Hint(MistakeKind::otherSign,
                        "This is the regime read with s1 and s3 exchanged, as with tension positive. "
                        "Compression is positive here: s1 is the most compressive stress, S1 of the table.");
        return Pointer(question);
    }
    if (!std::holds_alternative<double>(*right)) return Pointer(question);
    const double value = std::get<double>(answer);
    const double rightValue = std::get<double>(*right);
    const double tolerance = ToleranceOf(question, state);
    for (const Slip& slip : NumberSlips(q, rightValue, state))
        if (AnswerGap(q, value * slip.unit, slip.value * slip.unit) <= tolerance * std::min(1.0, slip.unit))
            return Hint(slip.kind, slip.text);
    return Pointer(question);
}

}  // namespace tensorium
