#include "core/exercise_question.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <set>

#include "core/critical_plane_count.h"
#include "core/regime_choice.h"
#include "core/right_answer.h"
#include "tests/core/random_stress.h"
#include "tests/core/working_lines.h"

namespace tensorium {
namespace {

using testing_support::Analysed;
using testing_support::DefaultAnalysis;

TEST(ExerciseQuantity, NamesAsTheWindowWritesThemAndKeysThatReadBack)
{
    const std::vector<Quantity>& all = AllQuantities();
    ASSERT_EQ(all.size(), 22u);
    EXPECT_EQ(DisplayName(Quantity::s1), "s1");
    EXPECT_EQ(DisplayName(Quantity::s2Azimuth), "s2 azimuth");
    EXPECT_EQ(DisplayName(Quantity::s3Dip), "s3 dip");
    EXPECT_EQ(DisplayName(Quantity::regime), "regime");
    EXPECT_EQ(DisplayName(Quantity::sigma), "sigma");
    EXPECT_EQ(DisplayName(Quantity::tau), "tau");
    EXPECT_EQ(DisplayName(Quantity::tlim), "tlim");
    EXPECT_EQ(DisplayName(Quantity::safetyFactor), "SF");
    EXPECT_EQ(DisplayName(Quantity::userSx), "sx'");
    EXPECT_EQ(DisplayName(Quantity::userTzx), "tzx'");
    EXPECT_EQ(DisplayName(Quantity::criticalPlanes), "critical planes");
    EXPECT_EQ(DisplayName(Quantity::inversionRatio), "R");
    EXPECT_EQ(QuantityKey(Quantity::s1Azimuth), "s1_azimuth");
    std::set<std::string> names, keys;
    for (Quantity q : all) {
        names.insert(DisplayName(q));
        const std::string key = QuantityKey(q);
        keys.insert(key);
        EXPECT_EQ(key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"), std::string::npos) << key;
        ASSERT_TRUE(QuantityFromKey(key)) << key;
        EXPECT_EQ(*QuantityFromKey(key), q) << key;
    }
    EXPECT_EQ(names.size(), all.size());
    EXPECT_EQ(keys.size(), all.size());
    EXPECT_FALSE(QuantityFromKey("s1 azimuth"));
    EXPECT_FALSE(QuantityFromKey("S1"));
}

TEST(ExerciseQuantity, KindsAndAxes)
{
    int stresses = 0, angles = 0;
    for (Quantity q : AllQuantities()) {
        stresses += IsStress(q);
        angles += IsAzimuth(q) || IsDip(q);
        EXPECT_FALSE(IsAzimuth(q) && IsDip(q));
        const bool ofAnAxis = IsPrincipalStress(q) || IsAzimuth(q) || IsDip(q);
        EXPECT_EQ(PrincipalIndex(q) >= 0, ofAnAxis) << DisplayName(q);
        if (ofAnAxis) {
            EXPECT_EQ(DisplayName(q).substr(0, 2), "s" + std::to_string(PrincipalIndex(q) + 1));
        }
    }
    EXPECT_EQ(stresses, 3 + 3 + 6);
    EXPECT_EQ(angles, 6);
    EXPECT_EQ(ShownDecimals(Quantity::s2), 3);
    EXPECT_EQ(ShownDecimals(Quantity::s1Dip), 2);
    EXPECT_EQ(ShownDecimals(Quantity::safetyFactor), 3);
}

TEST(ExerciseQuestion, DefaultTolerances)
{
    AnalysisState state = DefaultAnalysis();
    const double spread = state.principal.s1 - state.principal.s3;
    ASSERT_GT(spread, 1);
    for (Quantity q :
         {Quantity::s1, Quantity::s3, Quantity::sigma, Quantity::tau, Quantity::tlim, Quantity::userTyz})
        EXPECT_EQ(DefaultTolerance(q, state), spread / 100) << DisplayName(q);
    for (Quantity q : {Quantity::s1Azimuth, Quantity::s2Dip, Quantity::s3Azimuth})
        EXPECT_EQ(DefaultTolerance(q, state), 2);
    EXPECT_EQ(DefaultTolerance(Quantity::safetyFactor, state), 0.02);
    EXPECT_EQ(DefaultTolerance(Quantity::inversionRatio, state), 0.02);
    EXPECT_EQ(DefaultTolerance(Quantity::criticalPlanes, state), 0);
    EXPECT_EQ(DefaultTolerance(Quantity::regime, state), 0);

    // A spread below one stress unit: at least 0.01.
    state.stress = {1, 0.5, 0.5, 0, 0, 0};
    state = Analysed(state);
    EXPECT_EQ(DefaultTolerance(Quantity::s2, state), 0.01);
    state.stress = {};
    state = Analysed(state);
    EXPECT_EQ(DefaultTolerance(Quantity::tau, state), 0.01);

    Question question{Quantity::s1, 0.5, "Mind the order."};
    EXPECT_EQ(ToleranceOf(question, state), 0.5);
    question.tolerance.reset();
    EXPECT_EQ(ToleranceOf(question, state), 0.01);
}

// Each right value is the field of the analysed state that the window shows.
TEST(RightAnswer, TheStateFieldsTheWindowShows)
{
    const AnalysisState s = DefaultAnalysis();
    const PrincipalResult& p = s.principal;
    const std::pair<Quantity, double> fields[] = {
        {Quantity::s1, p.s1},
        {Quantity::s2, p.s2},
        {Quantity::s3, p.s3},
        {Quantity::s1Azimuth, p.axes[0].azimuth * 180 / kPi},
        {Quantity::s1Dip, p.axes[0].dip * 180 / kPi},
        {Quantity::s2Azimuth, p.axes[1].azimuth * 180 / kPi},
        {Quantity::s2Dip, p.axes[1].dip * 180 / kPi},
        {Quantity::s3Azimuth, p.axes[2].azimuth * 180 / kPi},
        {Quantity::s3Dip, p.axes[2].dip * 180 / kPi},
        {Quantity::sigma, s.jointResult.sigma},
        {Quantity::tau, s.jointResult.tau},
        {Quantity::tlim, s.jointResult.tlim},
        {Quantity::safetyFactor, s.jointResult.tlim / s.jointResult.tau},
        {Quantity::userSx, s.user.stress.sx},
        {Quantity::userSy, s.user.stress.sy},
        {Quantity::userSz, s.user.stress.sz},
        {Quantity::userTxy, s.user.stress.txy},
        {Quantity::userTyz, s.user.stress.tyz},
        {Quantity::userTzx, s.user.stress.tzx},
    };
    for (const auto& [q, value] : fields) {
        const std::optional<Answer> right = RightAnswer(q, s);
        ASSERT_TRUE(right && std::holds_alternative<double>(*right)) << DisplayName(q);
        EXPECT_EQ(std::get<double>(*right), value) << DisplayName(q);
        EXPECT_EQ(RightNumber(q, s), value) << DisplayName(q);
    }
    const std::optional<Answer> regime = RightAnswer(Quantity::regime, s);
    ASSERT_TRUE(regime && std::holds_alternative<StressRegime>(*regime));
    EXPECT_EQ(std::get<StressRegime>(*regime), RegimeOf(p));
    EXPECT_EQ(std::get<StressRegime>(*regime), StressRegime::normal);
    EXPECT_FALSE(RightNumber(Quantity::regime, s));

    // The count and R come from the caller.
    EXPECT_FALSE(RightAnswer(Quantity::criticalPlanes, s));
    EXPECT_FALSE(RightAnswer(Quantity::inversionRatio, s));
    const ExtraResults extra{7, 0.375};
    EXPECT_EQ(RightNumber(Quantity::criticalPlanes, s, extra), 7);
    EXPECT_EQ(RightNumber(Quantity::inversionRatio, s, extra), 0.375);
}

// The azimuths of the two conventions computed separately agree to within
// rounding: at most 1.4 eps of 360 degrees measured over 20000 random states.
TEST(RightAnswer, AzimuthsUnderTheStatesConvention)
{
    const double allowed = 4 * 360 * DBL_EPSILON;
    testing_support::Random random(11);
    for (int i = 0; i < 2000; ++i) {
        AnalysisState north = DefaultAnalysis();
        if (i > 0)
            north.stress = testing_support::Rotated(
                testing_support::Rotation(random.Quaternion()),
                {100 * random.Signed(), 100 * random.Signed(), 100 * random.Signed()});
        north = Analysed(north);
        AnalysisState east = north;
        east.convention = AzimuthConvention::azCounterclockwiseFromEast;
        east = Analysed(east);
        for (Quantity q : {Quantity::s1Azimuth, Quantity::s2Azimuth, Quantity::s3Azimuth}) {
            const double fromNorth = *RightNumber(q, north), fromEast = *RightNumber(q, east);
            // Counterclockwise from East is 90 degrees less the azimuth from North.
            double gap = std::fmod(std::fabs(fromEast - (90 - fromNorth)), 360.0);
            gap = std::min(gap, 360 - gap);
            ASSERT_LE(gap, allowed) << DisplayName(q) << " of state " << i;
        }
    }
}

TEST(RightAnswer, NoValueWhereTheWindowShowsNone)
{
    AnalysisState s = DefaultAnalysis();
    // A horizontal joint under a vertical principal axis carries no shear.
    s.stress = {3.4, 1, 8, 1, 0, 0};
    s.joint.dip = 0;
    s = Analysed(s);
    ASSERT_EQ(s.jointResult.tau, 0);
    EXPECT_FALSE(RightAnswer(Quantity::safetyFactor, s));
    EXPECT_TRUE(RightAnswer(Quantity::tlim, s));
    // Equal principal stresses have no axes, so no regime.
    s.stress = {5, 5, 5, 0, 0, 0};
    s = Analysed(s);
    EXPECT_FALSE(RightAnswer(Quantity::regime, s));
    EXPECT_FALSE(RightRegime(s));
    EXPECT_TRUE(RightAnswer(Quantity::s1Azimuth, s));
}

TEST(RegimeChoice, TheNamesTheProgramWrites)
{
    const std::vector<std::string> names = RegimeChoiceNames();
    const std::vector<std::string> expected = {"normal faulting",      "normal faulting with strike-slip",
                                               "strike-slip faulting", "thrust faulting with strike-slip",
                                               "thrust faulting",      "unknown"};
    EXPECT_EQ(names, expected);
    ASSERT_EQ(RegimeChoices().size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], RegimeName(RegimeChoices()[i]));
        EXPECT_EQ(RegimeNamed(names[i]), RegimeChoices()[i]);
    }
    EXPECT_FALSE(RegimeNamed("Normal faulting"));
    EXPECT_FALSE(RegimeNamed(""));
}

// The count of the plane set window: a plane is critical where the joint
// of the same orientation, strength and pore pressure is.
TEST(CriticalPlaneCount, AsTheJointOfTheSameOrientation)
{
    AnalysisState s = DefaultAnalysis();
    PlaneSet planes;
    int expected = 0;
    for (double p : {0.0, 2.0, 5.0, 8.0}) {
        s.porePressure = p;
        planes.clear();
        expected = 0;
        for (int dd = 0; dd < 360; dd += 30)
            for (int dip = 0; dip <= 90; dip += 15) {
                planes.push_back({"", static_cast<double>(dd), static_cast<double>(dip), ""});
                AnalysisState joint = s;
                joint.joint.azimuth = DegToRad(dd);
                joint.joint.dip = DegToRad(dip);
                joint = Analysed(joint);
                const PlaneStability& st = joint.jointStability;
                expected += st.sigmaEff < 0 ||
                            (joint.jointResult.tau > 0 && st.safetyFactor && *st.safetyFactor <= 1);
            }
        EXPECT_EQ(CountCriticalPlanes(s, planes), expected) << "p = " << p;
    }
    // The highest pressure opens some planes and the count rises with it.
    EXPECT_GT(expected, 0);
    EXPECT_LT(expected, static_cast<int>(planes.size()));
    EXPECT_EQ(CountCriticalPlanes(s, {}), 0);
}

}  // namespace
}  // namespace tensorium
