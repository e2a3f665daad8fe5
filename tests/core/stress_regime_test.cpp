// The stress regime by the World Stress Map rules: each class and each
// boundary of the table, and states whose axes are tilted to known plunges.
#include "core/stress_regime.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/worked_solution.h"
#include "tests/core/random_stress.h"
#include "tests/core/working_lines.h"

namespace tensorium::testing_support {
namespace {

using R = StressRegime;

struct Row {
    double pl1, pl2, pl3;
    StressRegime regime;
};

TEST(StressRegime, EveryClassAndBoundaryOfTheTable)
{
    const Row rows[] = {
        // normal: pl1 >= 52, pl3 <= 35
        {90, 0, 0, R::normal},
        {52, 38, 0, R::normal},
        {52, 3, 35, R::normal},
        {51.99, 38, 0, R::normalStrikeSlip},
        {60, 0, 35.01, R::unknown},
        // normal with strike-slip: 40 <= pl1 < 52, pl3 <= 20
        {45, 45, 0, R::normalStrikeSlip},
        {40, 50, 20, R::normalStrikeSlip},
        {45, 25, 20.01, R::unknown},
        // strike-slip: pl1 < 40, pl2 >= 45, pl3 <= 20 ...
        {39.99, 50.01, 0, R::strikeSlip},
        {30, 45, 20, R::strikeSlip},
        {30, 44.99, 20, R::unknown},
        {30, 50, 20.01, R::unknown},
        // ... or pl1 <= 20, pl2 >= 45, pl3 < 40
        {20, 45, 39.99, R::strikeSlip},
        {0, 90, 0, R::strikeSlip},
        {20.01, 45, 30, R::unknown},
        // thrust with strike-slip: pl1 <= 20, 40 <= pl3 < 52
        {0, 50, 40, R::thrustStrikeSlip},
        {20, 20, 51.99, R::thrustStrikeSlip},
        {20.01, 30, 45, R::unknown},
        // thrust: pl1 <= 35, pl3 >= 52
        {0, 0, 90, R::thrust},
        {35, 3, 52, R::thrust},
        {35.01, 2, 52, R::unknown},
        {20, 0, 52, R::thrust},
        // none of them
        {45, 45, 45, R::unknown},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RegimeFromPlunges(row.pl1, row.pl2, row.pl3), row.regime)
            << row.pl1 << ", " << row.pl2 << ", " << row.pl3 << " gave "
            << RegimeName(RegimeFromPlunges(row.pl1, row.pl2, row.pl3));
}

TEST(StressRegime, Names)
{
    EXPECT_STREQ(RegimeName(R::normal), "normal faulting");
    EXPECT_STREQ(RegimeName(R::normalStrikeSlip), "normal faulting with strike-slip");
    EXPECT_STREQ(RegimeName(R::strikeSlip), "strike-slip faulting");
    EXPECT_STREQ(RegimeName(R::thrustStrikeSlip), "thrust faulting with strike-slip");
    EXPECT_STREQ(RegimeName(R::thrust), "thrust faulting");
    EXPECT_STREQ(RegimeName(R::unknown), "unknown");
}

std::string RegimeInText(const StressState& stress)
{
    AnalysisState state = DefaultAnalysis();
    state.stress = stress;
    return Value(WorkedSolution(Analysed(state), 0, {".", ","}), "stress regime");
}

TEST(StressRegime, CompressionIsPositive)
{
    EXPECT_EQ(Value(WorkedSolution(DefaultAnalysis(), 0, {".", ","}), "stress regime"), "normal faulting");
    EXPECT_EQ(RegimeInText({8, 3, 1, 0, 0, 0}), "thrust faulting")
        << "largest stress horizontal, least vertical";
    EXPECT_EQ(RegimeInText({8, 1, 3, 0, 0, 0}), "strike-slip faulting") << "the middle one vertical";
    EXPECT_EQ(RegimeInText({1, 3, 8, 0, 0, 0}), "normal faulting") << "largest vertical";
    EXPECT_EQ(RegimeInText({-1, -3, -8, 0, 0, 0}), "thrust faulting") << "least compressive vertical";
}

// diag(8, 3, 1) with the axes of 8 and `second` turned by `degrees` about the
// horizontal axis of the remaining stress: their plunges become `degrees` and
// 90 - `degrees` (the one that started vertical).
StressState Tilted(int turnedOff, double degrees)
{
    const double c = std::cos(DegToRad(degrees)), s = std::sin(DegToRad(degrees));
    // Columns: the axes of 8, 3, 1. Start from 8 on x (East), the vertical one on z.
    Mat3 q{};
    if (turnedOff == 2) {  // 1 stays on y; 8 and 3 turn in the x-z plane: 3 starts vertical
        q = {{{c, -s, 0}, {0, 0, 1}, {-s, -c, 0}}};
    } else if (turnedOff == 1) {  // 3 stays on y; 8 and 1 in the x-z plane: 1 starts vertical
        q = {{{c, 0, -s}, {0, 1, 0}, {-s, 0, -c}}};
    } else {  // 8 stays on x; 3 and 1 in the y-z plane: 1 starts vertical
        q = {{{1, 0, 0}, {0, c, -s}, {0, -s, -c}}};
    }
    return Rotated(q, {8, 3, 1});
}

TEST(StressRegime, TiltedAxesCrossTheClasses)
{
    // S2 horizontal: pl1 = a, pl3 = 90 - a.
    EXPECT_EQ(RegimeInText(Tilted(1, 10)), "thrust faulting");
    EXPECT_EQ(RegimeInText(Tilted(1, 45)), "unknown");
    EXPECT_EQ(RegimeInText(Tilted(1, 60)), "normal faulting");
    // S3 horizontal: pl1 = a, pl2 = 90 - a.
    EXPECT_EQ(RegimeInText(Tilted(2, 30)), "strike-slip faulting");
    EXPECT_EQ(RegimeInText(Tilted(2, 45)), "normal faulting with strike-slip");
    EXPECT_EQ(RegimeInText(Tilted(2, 70)), "normal faulting");
    // The boundary at a plunge of exactly 52 as shown, whatever the last bits.
    EXPECT_EQ(RegimeInText(Tilted(2, 52)), "normal faulting");
    EXPECT_EQ(RegimeInText(Tilted(2, 51.99)), "normal faulting with strike-slip");
    // S1 horizontal: pl2 = b, pl3 = 90 - b.
    EXPECT_EQ(RegimeInText(Tilted(0, 30)), "thrust faulting");
    EXPECT_EQ(RegimeInText(Tilted(0, 45)), "thrust faulting with strike-slip");
    EXPECT_EQ(RegimeInText(Tilted(0, 60)), "strike-slip faulting");
}

TEST(StressRegime, ReadFromTheShownPlunges)
{
    PrincipalResult p;
    p.axes[0].dip = DegToRad(52) * (1 - 1e-15);  // 51.99999999... shown as 52.00
    p.axes[2].dip = DegToRad(35);
    EXPECT_LT(RadToDeg(p.axes[0].dip), 52);
    EXPECT_EQ(ShownPlungeDegrees(p.axes[0]), 52);
    EXPECT_EQ(RegimeOf(p), R::normal);
}

}  // namespace
}  // namespace tensorium::testing_support
