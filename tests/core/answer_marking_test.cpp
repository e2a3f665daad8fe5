#include "core/answer_marking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/right_answer.h"
#include "tests/core/working_lines.h"

namespace tensorium {
namespace {

using testing_support::Analysed;
using testing_support::DefaultAnalysis;

AnalysisState WithStress(const StressState& stress)
{
    AnalysisState s = DefaultAnalysis();
    s.stress = stress;
    return Analysed(s);
}

Verdict MarkNumber(Quantity q, double answer, const AnalysisState& s, const ExtraResults& extra = {})
{
    return Mark({q, std::nullopt, {}}, Answer(answer), s, extra);
}

double Above(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()); }
double Below(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }

// Right at the edge of the tolerance, wrong one step beyond it: the values
// are chosen so that each difference is exact.
TEST(AnswerMarking, StressesAtTheEdgeOfOnePercentOfTheSpread)
{
    // A diagonal tensor's principal stresses are its components, exactly.
    const AnalysisState s = WithStress({300, 200, 100, 0, 0, 0});
    ASSERT_EQ(RightNumber(Quantity::s1, s), 300);
    ASSERT_EQ(DefaultTolerance(Quantity::s1, s), 2);
    EXPECT_EQ(MarkNumber(Quantity::s1, 302, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::s1, 298, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::s1, Above(302), s), Verdict::wrong);
    EXPECT_EQ(MarkNumber(Quantity::s1, Below(298), s), Verdict::wrong);
    EXPECT_EQ(MarkNumber(Quantity::s2, 201.5, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::s3, 103, s), Verdict::wrong);
}

TEST(AnswerMarking, StressesAtTheEdgeOfTheLeastTolerance)
{
    // 0.02 is twice 0.01 in binary too, so 0.02 - 0.01 is 0.01 exactly.
    const AnalysisState s = WithStress({0.01, 0.01, 0.01, 0, 0, 0});
    ASSERT_EQ(RightNumber(Quantity::s2, s), 0.01);
    EXPECT_EQ(MarkNumber(Quantity::s2, 0.02, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::s2, 0.0, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::s2, Above(0.02), s), Verdict::wrong);
    // Below 0 the first step that shows in the difference is that of 0.01.
    EXPECT_EQ(MarkNumber(Quantity::s2, 0.01 - Above(0.01), s), Verdict::wrong);
}

TEST(AnswerMarking, AnglesWithinTwoDegreesRoundTheCircle)
{
    EXPECT_EQ(AzimuthGap(359, 1), 2);
    EXPECT_EQ(AzimuthGap(1, 359), 2);
    EXPECT_EQ(AzimuthGap(720, 0), 0);
    EXPECT_EQ(AzimuthGap(-90, 90), 180);
    EXPECT_EQ(AzimuthGap(10, 190.5), 179.5);
    EXPECT_EQ(AnswerGap(Quantity::s1Dip, 359, 1), 358);

    // s1 along North: azimuth 0 clockwise from North, dip 0.
    const AnalysisState s = WithStress({1, 3, 2, 0, 0, 0});
    ASSERT_EQ(RightNumber(Quantity::s1Azimuth, s), 0);
    ASSERT_EQ(RightNumber(Quantity::s1Dip, s), 0);
    for (double answer : {2.0, 358.0, -2.0, 362.0, 360.0})
        EXPECT_EQ(MarkNumber(Quantity::s1Azimuth, answer, s), Verdict::right) << answer;
    for (double answer : {Above(2.0), Below(358.0), 180.0, 90.0})
        EXPECT_EQ(MarkNumber(Quantity::s1Azimuth, answer, s), Verdict::wrong) << answer;
    EXPECT_EQ(MarkNumber(Quantity::s1Dip, 2, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::s1Dip, -2, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::s1Dip, Above(2), s), Verdict::wrong);
    // A dip is not round the circle.
    EXPECT_EQ(MarkNumber(Quantity::s1Dip, 359, s), Verdict::wrong);
}

TEST(AnswerMarking, SafetyFactorRatioAndCountAtTheirEdges)
{
    // In tension tlim is 0, and so is SF.
    const AnalysisState s = WithStress({-3.4, -1, -8, -1, 1, -2});
    ASSERT_EQ(RightNumber(Quantity::safetyFactor, s), 0);
    EXPECT_EQ(MarkNumber(Quantity::safetyFactor, 0.02, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::safetyFactor, -0.02, s), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::safetyFactor, Above(0.02), s), Verdict::wrong);

    const ExtraResults extra{3, 0.02};
    EXPECT_EQ(MarkNumber(Quantity::inversionRatio, 0.04, s, extra), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::inversionRatio, 0.0, s, extra), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::inversionRatio, Above(0.04), s, extra), Verdict::wrong);
    EXPECT_EQ(MarkNumber(Quantity::inversionRatio, 0.02 - Above(0.02), s, extra), Verdict::wrong);

    EXPECT_EQ(MarkNumber(Quantity::criticalPlanes, 3, s, extra), Verdict::right);
    EXPECT_EQ(MarkNumber(Quantity::criticalPlanes, 4, s, extra), Verdict::wrong);
    EXPECT_EQ(MarkNumber(Quantity::criticalPlanes, Above(3), s, extra), Verdict::wrong);
    // The teacher may allow one off.
    EXPECT_EQ(Mark({Quantity::criticalPlanes, 1.0, {}}, Answer(4.0), s, extra), Verdict::right);
    EXPECT_EQ(Mark({Quantity::criticalPlanes, 1.0, {}}, Answer(5.0), s, extra), Verdict::wrong);
}

TEST(AnswerMarking, TheQuestionsOwnTolerance)
{
    const AnalysisState s = WithStress({300, 200, 100, 0, 0, 0});
    EXPECT_EQ(Mark({Quantity::s1, 5.0, {}}, Answer(305.0), s), Verdict::right);
    EXPECT_EQ(Mark({Quantity::s1, 0.5, {}}, Answer(301.0), s), Verdict::wrong);
    EXPECT_EQ(Mark({Quantity::s1, 0.0, {}}, Answer(300.0), s), Verdict::right);
}

TEST(AnswerMarking, RegimesAndAnswersOfTheWrongKind)
{
    const AnalysisState s = DefaultAnalysis();
    const StressRegime right = *RightRegime(s);
    const Question regime{Quantity::regime, std::nullopt, {}};
    EXPECT_EQ(Mark(regime, Answer(right), s), Verdict::right);
    EXPECT_EQ(Mark(regime, Answer(StressRegime::thrust), s), Verdict::wrong);
    EXPECT_EQ(Mark(regime, Answer(StressRegime::unknown), s), Verdict::wrong);
    EXPECT_EQ(Mark(regime, Answer(static_cast<double>(right)), s), Verdict::wrong);
    EXPECT_EQ(Mark({Quantity::s1, 1e9, {}}, Answer(right), s), Verdict::wrong);
}

TEST(AnswerMarking, NotANumberIsWrongAndNoValueIsSaid)
{
    const AnalysisState s = DefaultAnalysis();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (Quantity q : {Quantity::s1, Quantity::s1Azimuth, Quantity::s1Dip, Quantity::safetyFactor}) {
        EXPECT_EQ(MarkNumber(q, nan, s), Verdict::wrong) << DisplayName(q);
        EXPECT_EQ(MarkNumber(q, inf, s), Verdict::wrong) << DisplayName(q);
        EXPECT_EQ(Mark({q, inf, {}}, Answer(*RightNumber(q, s) + 1), s), Verdict::right) << DisplayName(q);
    }
    EXPECT_EQ(MarkNumber(Quantity::criticalPlanes, 0, s), Verdict::noRightValue);
    EXPECT_EQ(MarkNumber(Quantity::inversionRatio, 0, s), Verdict::noRightValue);
    const AnalysisState equal = WithStress({5, 5, 5, 0, 0, 0});
    EXPECT_EQ(Mark({Quantity::regime, std::nullopt, {}}, Answer(StressRegime::unknown), equal),
              Verdict::noRightValue);
}

}  // namespace
}  // namespace tensorium
