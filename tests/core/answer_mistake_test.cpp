#include "core/answer_mistake.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/answer_marking.h"
#include "core/right_answer.h"
#include "core/worked_solution.h"
#include "tests/core/working_lines.h"

namespace tensorium {
namespace {

using testing_support::Analysed;
using testing_support::DefaultAnalysis;

const NumberSeparators kEnglish{".", ","};

// The hint for a wrong number, after checking that the answer is wrong.
MistakeHint HintFor(Quantity q, double answer, const AnalysisState& s, const std::string& hint = {})
{
    const Question question{q, std::nullopt, hint};
    EXPECT_EQ(Mark(question, Answer(answer), s), Verdict::wrong) << DisplayName(q) << " " << answer;
    const std::optional<MistakeHint> found = NameMistake(question, Answer(answer), s);
    EXPECT_TRUE(found) << DisplayName(q) << " " << answer;
    return found ? *found : MistakeHint{};
}

MistakeKind KindFor(Quantity q, double answer, const AnalysisState& s) { return HintFor(q, answer, s).kind; }

double Degrees(double radians) { return radians * 180 / kPi; }

// The azimuth clockwise from North of a direction (x East, y North).
double AzimuthFromNorth(const Vec3& v) { return std::fmod(Degrees(std::atan2(v[0], v[1])) + 360, 360.0); }

TEST(AnswerMistake, TensionTakenAsPositive)
{
    const AnalysisState s = DefaultAnalysis();
    // The student works on the tensor with every sign turned.
    AnalysisState tension = s;
    const StressState& t = s.stress;
    tension.stress = {-t.sx, -t.sy, -t.sz, -t.txy, -t.tyz, -t.tzx};
    tension = Analysed(tension);
    // Their largest is -s3, their smallest -s1.
    EXPECT_EQ(KindFor(Quantity::s1, tension.principal.s1, s), MistakeKind::otherSign);
    EXPECT_EQ(KindFor(Quantity::s2, tension.principal.s2, s), MistakeKind::otherSign);
    EXPECT_EQ(KindFor(Quantity::s3, tension.principal.s3, s), MistakeKind::otherSign);
    EXPECT_EQ(KindFor(Quantity::s1, -s.principal.s1, s), MistakeKind::otherSign);
    EXPECT_EQ(KindFor(Quantity::sigma, tension.jointResult.sigma, s), MistakeKind::otherSign);
    EXPECT_EQ(KindFor(Quantity::tau, -s.jointResult.tau, s), MistakeKind::otherSign);
    EXPECT_EQ(KindFor(Quantity::userSz, tension.user.stress.sz, s), MistakeKind::otherSign);
    // Read from their axes the regime turns round: thrust for normal faulting.
    const Question regime{Quantity::regime, std::nullopt, {}};
    const StressRegime theirs = RegimeOf(tension.principal);
    ASSERT_EQ(*RightRegime(s), StressRegime::normal);
    ASSERT_EQ(theirs, StressRegime::thrust);
    const std::optional<MistakeHint> hint = NameMistake(regime, Answer(theirs), s);
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->kind, MistakeKind::otherSign);
    EXPECT_NE(hint->text.find("tension"), std::string::npos) << hint->text;
}

TEST(AnswerMistake, AnotherPrincipalStressOrAxis)
{
    const AnalysisState s = DefaultAnalysis();
    const PrincipalResult& p = s.principal;
    EXPECT_EQ(KindFor(Quantity::s1, p.s2, s), MistakeKind::principalOrder);
    EXPECT_EQ(KindFor(Quantity::s1, p.s3, s), MistakeKind::principalOrder);
    EXPECT_EQ(KindFor(Quantity::s3, p.s1, s), MistakeKind::principalOrder);
    const MistakeHint hint = HintFor(Quantity::s2, p.s1, s);
    EXPECT_EQ(hint.kind, MistakeKind::principalOrder);
    EXPECT_NE(hint.text.find("s1 ≥ s2 ≥ s3"), std::string::npos) << hint.text;
    EXPECT_EQ(KindFor(Quantity::s1Azimuth, Degrees(p.axes[1].azimuth), s), MistakeKind::principalOrder);
    EXPECT_EQ(KindFor(Quantity::s1Dip, Degrees(p.axes[2].dip), s), MistakeKind::principalOrder);
}

TEST(AnswerMistake, TheAxisUpperEnd)
{
    const AnalysisState s = DefaultAnalysis();
    for (int k = 0; k < 3; ++k) {
        const Vec3 up = Scaled(s.principal.axes[k].downCosines, -1);
        const Quantity q = k == 0 ? Quantity::s1Azimuth : k == 1 ? Quantity::s2Azimuth : Quantity::s3Azimuth;
        const MistakeHint hint = HintFor(q, AzimuthFromNorth(up), s);
        EXPECT_EQ(hint.kind, MistakeKind::upperEnd) << k;
        EXPECT_NE(hint.text.find("downward end"), std::string::npos) << hint.text;
    }
}

TEST(AnswerMistake, TheOtherConventionOfTheAnglesMenu)
{
    const AnalysisState north = DefaultAnalysis();
    AnalysisState east = north;
    east.convention = AzimuthConvention::azCounterclockwiseFromEast;
    east = Analysed(east);
    for (Quantity q : {Quantity::s1Azimuth, Quantity::s2Azimuth, Quantity::s3Azimuth}) {
        const MistakeHint fromEast = HintFor(q, *RightNumber(q, east), north);
        EXPECT_EQ(fromEast.kind, MistakeKind::otherConvention) << DisplayName(q);
        EXPECT_NE(fromEast.text.find("set to clockwise from North"), std::string::npos) << fromEast.text;
        const MistakeHint fromNorth = HintFor(q, *RightNumber(q, north), east);
        EXPECT_EQ(fromNorth.kind, MistakeKind::otherConvention) << DisplayName(q);
        EXPECT_NE(fromNorth.text.find("set to counterclockwise from East"), std::string::npos)
            << fromNorth.text;
    }
}

TEST(AnswerMistake, RadiansAndDegrees)
{
    const AnalysisState s = DefaultAnalysis();
    const PrincipalResult& p = s.principal;
    EXPECT_EQ(KindFor(Quantity::s1Azimuth, p.axes[0].azimuth, s), MistakeKind::radiansForDegrees);
    EXPECT_EQ(KindFor(Quantity::s1Dip, p.axes[0].dip, s), MistakeKind::radiansForDegrees);
    EXPECT_EQ(KindFor(Quantity::s3Dip, Degrees(Degrees(p.axes[2].dip)), s), MistakeKind::degreesAsRadians);
    // The tolerance holds in degrees too: 700 would be within 2 of the dip
    // read back from a "radian" value, but is 38 degrees from 12.88 * 180/pi.
    ASSERT_LT(std::fabs(700 * kPi / 180 - Degrees(p.axes[2].dip)), 2);
    EXPECT_EQ(KindFor(Quantity::s3Dip, 700, s), MistakeKind::workedSolutionStep);
}

TEST(AnswerMistake, TheReciprocalOfTheSafetyFactor)
{
    const AnalysisState s = DefaultAnalysis();
    const MistakeHint hint = HintFor(Quantity::safetyFactor, s.jointResult.tau / s.jointResult.tlim, s);
    EXPECT_EQ(hint.kind, MistakeKind::reciprocalSafetyFactor);
    EXPECT_NE(hint.text.find("SF = tlim / tau"), std::string::npos) << hint.text;
}

TEST(AnswerMistake, TheGreatestOrOctahedralShearForTau)
{
    const AnalysisState s = DefaultAnalysis();
    const double s1 = s.principal.s1, s2 = s.principal.s2, s3 = s.principal.s3;
    EXPECT_EQ(KindFor(Quantity::tau, (s1 - s3) / 2, s), MistakeKind::greatestShear);
    const double octahedral =
        std::sqrt((s1 - s2) * (s1 - s2) + (s2 - s3) * (s2 - s3) + (s3 - s1) * (s3 - s1)) / 3;
    EXPECT_EQ(KindFor(Quantity::tau, octahedral, s), MistakeKind::octahedralShear);
}

TEST(AnswerMistake, TheFrictionAngleInPlaceOfItsTangent)
{
    AnalysisState s = DefaultAnalysis();
    // At 35 degrees tan(phi) and phi in radians lie well apart.
    s.joint.phi = 35;
    s = Analysed(s);
    const JointPlane& j = s.joint;
    const double sigma = s.jointResult.sigma;
    const MistakeHint inDegrees = HintFor(Quantity::tlim, j.c + sigma * j.phi, s);
    EXPECT_EQ(inDegrees.kind, MistakeKind::angleForTangent);
    EXPECT_NE(inDegrees.text.find("degrees"), std::string::npos) << inDegrees.text;
    const MistakeHint inRadians = HintFor(Quantity::tlim, j.c + sigma * j.phi * kPi / 180, s);
    EXPECT_EQ(inRadians.kind, MistakeKind::angleForTangent);
    EXPECT_NE(inRadians.text.find("radians"), std::string::npos) << inRadians.text;
}

// Where two slips give the same value the earlier one is named: at an
// azimuth of 135 the upper end (315) is also 90 - 135 mod 360.
TEST(AnswerMistake, TheFirstSlipInOrder)
{
    AnalysisState s = DefaultAnalysis();
    // s1 = 9 along azimuth 135 (or 315), plunge 0; s2 = 5 vertical; s3 = 1
    // horizontal along azimuth 45.
    const double h = std::sqrt(0.5);
    const Vec3 u{h, -h, 0}, w{h, h, 0};
    StressState t{};
    t.sx = 9 * u[0] * u[0] + w[0] * w[0];
    t.sy = 9 * u[1] * u[1] + w[1] * w[1];
    t.sz = 5;
    t.txy = 9 * u[0] * u[1] + w[0] * w[1];
    s.stress = t;
    s = Analysed(s);
    const double right = *RightNumber(Quantity::s1Azimuth, s);
    ASSERT_TRUE(std::fabs(right - 135) < 1e-9 || std::fabs(right - 315) < 1e-9) << right;
    EXPECT_EQ(KindFor(Quantity::s1Azimuth, std::fmod(right + 180, 360.0), s), MistakeKind::upperEnd);
}

TEST(AnswerMistake, TheTeachersHintOrTheWorkedSolutionsStep)
{
    const AnalysisState s = DefaultAnalysis();
    const MistakeHint teacher = HintFor(Quantity::s1, 1000, s, "Solve the cubic of the invariants.");
    EXPECT_EQ(teacher.kind, MistakeKind::teacherHint);
    EXPECT_EQ(teacher.text, "Solve the cubic of the invariants.");
    const MistakeHint step = HintFor(Quantity::sigma, 1000, s);
    EXPECT_EQ(step.kind, MistakeKind::workedSolutionStep);
    EXPECT_EQ(step.text, "See step 5 of the worked solution.");
    EXPECT_EQ(HintFor(Quantity::userTxy, 1000, s).text, "See step 4 of the worked solution.");
    EXPECT_EQ(HintFor(Quantity::s2Dip, 45, s).text, "See step 2 of the worked solution.");
    const Question regime{Quantity::regime, std::nullopt, {}};
    const std::optional<MistakeHint> strikeSlip = NameMistake(regime, Answer(StressRegime::strikeSlip), s);
    ASSERT_TRUE(strikeSlip);
    EXPECT_EQ(strikeSlip->text, "See step 3 of the worked solution.");

    const ExtraResults extra{4, 0.4};
    for (Quantity q : {Quantity::criticalPlanes, Quantity::inversionRatio}) {
        const std::optional<MistakeHint> hint = NameMistake({q, std::nullopt, {}}, Answer(0.9), s, extra);
        ASSERT_TRUE(hint) << DisplayName(q);
        EXPECT_EQ(hint->kind, MistakeKind::definition) << DisplayName(q);
        const std::optional<MistakeHint> teacher =
            NameMistake({q, std::nullopt, "Look at the table."}, Answer(0.9), s, extra);
        EXPECT_EQ(teacher->kind, MistakeKind::teacherHint);
    }
}

TEST(AnswerMistake, NothingForARightAnswerOrWithoutARightValue)
{
    const AnalysisState s = DefaultAnalysis();
    for (Quantity q : AllQuantities()) {
        if (q == Quantity::regime || q == Quantity::criticalPlanes || q == Quantity::inversionRatio) continue;
        EXPECT_FALSE(NameMistake({q, std::nullopt, {}}, Answer(*RightNumber(q, s)), s)) << DisplayName(q);
    }
    EXPECT_FALSE(NameMistake({Quantity::regime, std::nullopt, {}}, Answer(*RightRegime(s)), s));
    EXPECT_FALSE(NameMistake({Quantity::criticalPlanes, std::nullopt, {}}, Answer(3.0), s));
}

// The worked solution's step that a hint points to holds the quantity.
TEST(AnswerMistake, TheStepsOfTheWorkedSolution)
{
    const AnalysisState s = DefaultAnalysis();
    const std::vector<std::string> lines = testing_support::Lines(WorkedSolution(s, 0, kEnglish));
    auto step = [&](int n) {
        std::string text;
        bool inside = false;
        for (const std::string& line : lines) {
            if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) &&
                line.find(". ") != std::string::npos)
                inside = line.rfind(std::to_string(n) + ". ", 0) == 0;
            if (inside) text += line + "\n";
        }
        return testing_support::Plain(text);
    };
    const std::pair<Quantity, std::string> markers[] = {
        {Quantity::s1, "σ1 = "},
        {Quantity::s3Azimuth, "azimuth of σ3 = "},
        {Quantity::s2Dip, "dip of σ2 = "},
        {Quantity::regime, "stress regime = "},
        {Quantity::userTzx, "S' = R T Rᵀ"},
        {Quantity::sigma, "σn = n · t = "},
        {Quantity::tau, "τ = |ts| = "},
        {Quantity::tlim, "tlim = "},
        {Quantity::safetyFactor, "SF = tlim / τ = "},
    };
    for (const auto& [q, marker] : markers) {
        const std::optional<int> n = WorkedSolutionStepOf(q);
        ASSERT_TRUE(n) << DisplayName(q);
        EXPECT_NE(step(*n).find(marker), std::string::npos) << DisplayName(q) << " in step " << *n;
    }
    EXPECT_FALSE(WorkedSolutionStepOf(Quantity::criticalPlanes));
    EXPECT_FALSE(WorkedSolutionStepOf(Quantity::inversionRatio));
}

}  // namespace
}  // namespace tensorium
