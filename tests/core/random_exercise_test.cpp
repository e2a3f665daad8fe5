#include "core/random_exercise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <map>
#include <set>

#include "core/number_parse.h"
#include "core/seeded_random.h"

namespace tensorium {
namespace {

// The published test vectors of FNV-1a (64 bits) and of SplitMix64 from
// seed 0: the generator is the same on every machine.
TEST(SeededRandom, TheReferenceValues)
{
    EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325u);
    EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cu);
    EXPECT_EQ(Fnv1a64("foobar"), 0x85944171f73967e8u);
    SeededRandom random(std::uint64_t{0});
    EXPECT_EQ(random.Next(), 0xe220a8397b1dcdafu);
    EXPECT_EQ(random.Next(), 0x6e789e6aa1b965f4u);
    EXPECT_EQ(random.Next(), 0x06c45d188009454fu);
    // A text seeds with its hash; its bytes, not the platform's char sign.
    SeededRandom byName("Jörg"), byHash(Fnv1a64("J\xC3\xB6rg"));
    EXPECT_EQ(byName.Next(), byHash.Next());
    EXPECT_NE(Fnv1a64("Anna"), Fnv1a64("anna"));
}

TEST(SeededRandom, WholeNumbersInRangeAndEvenlySpread)
{
    SeededRandom random("spread");
    std::map<int, int> counts;
    const int draws = 96000;
    for (int i = 0; i < draws; ++i) ++counts[random.Between(5, 100)];
    ASSERT_EQ(counts.size(), 96u);
    EXPECT_EQ(counts.begin()->first, 5);
    EXPECT_EQ(counts.rbegin()->first, 100);
    // Pearson's chi-square for 95 degrees of freedom: its 0.999 quantile is 149.
    double chi2 = 0;
    for (const auto& entry : counts) chi2 += std::pow(entry.second - 1000.0, 2) / 1000.0;
    EXPECT_LT(chi2, 149.0);

    // The whole span of int (no overflow: both signs come), and a span of one.
    int negative = 0;
    for (int i = 0; i < 1000; ++i) {
        negative += random.Between(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()) < 0;
        EXPECT_EQ(random.Between(7, 7), 7);
    }
    EXPECT_GT(negative, 400);
    EXPECT_LT(negative, 600);
    // A bound just above 2^63 rejects almost half of the draws and still
    // stays below it.
    const std::uint64_t big = (std::uint64_t{1} << 63) + 1;
    for (int i = 0; i < 1000; ++i) EXPECT_LT(random.Below(big), big);
}

bool TwoDecimalsAtMost(const std::string& text)
{
    const size_t point = text.find('.');
    if (point == std::string::npos) return true;
    return text.size() - point - 1 <= 2 && text.back() != '0';
}

TEST(RandomExercise, TheSameSeedGivesTheSameExercise)
{
    for (const char* name : {"Ada", "Émile Durkheim", "李小龍", "", " Ada"}) {
        const RandomExercise a = RandomExerciseFor(name), b = RandomExerciseFor(name);
        EXPECT_EQ(a.stress, b.stress) << name;
        EXPECT_EQ(a.joint, b.joint) << name;
        EXPECT_EQ(a.principal, b.principal) << name;
    }
    EXPECT_NE(RandomExerciseFor("Ada").stress, RandomExerciseFor(" Ada").stress);
}

TEST(RandomExercise, DifferentSeedsGiveDifferentTensors)
{
    std::set<std::array<std::string, 6>> tensors;
    std::set<std::array<int, 4>> joints;
    for (int i = 1; i <= 1000; ++i) {
        const RandomExercise e = RandomExerciseFor("Student " + std::to_string(i));
        tensors.insert(e.stress);
        joints.insert(e.joint);
    }
    // There are some 10^10 tensors; a collision among 1000 is unlikely.
    EXPECT_GE(tensors.size(), 995u);
    EXPECT_GE(joints.size(), 900u);
}

// The principal stresses drawn come back from the program's own solver:
// each component is off by at most 0.005, so the tensor by at most 0.015 in
// the 2-norm (its Frobenius norm), and by Weyl's theorem each principal
// stress by as much. The s1 axis turns by at most asin(0.015 / (gap - 0.015)),
// the gap s1 - s2 being at least 1.
TEST(RandomExercise, ThePrincipalStressesAndAxisAsDrawn)
{
    const double shift = 0.015 + 1e-12;
    for (int i = 0; i < 400; ++i) {
        const RandomExercise e = RandomExerciseFor("Class 7b/" + std::to_string(i));
        for (const std::string& text : e.stress) {
            EXPECT_TRUE(TwoDecimalsAtMost(text)) << text;
            const double hundredths = ParseNumber(text, ".") * 100;
            EXPECT_LE(std::fabs(hundredths - std::round(hundredths)), 1e-9) << text;
        }
        const AnalysisState s = AnalyseExercise(e);
        const double values[3] = {s.principal.s1, s.principal.s2, s.principal.s3};
        for (int k = 0; k < 3; ++k) {
            EXPECT_GE(e.principal[k], 5);
            EXPECT_LE(e.principal[k], 100);
            EXPECT_NEAR(values[k], e.principal[k], shift) << "exercise " << i;
        }
        EXPECT_GT(e.principal[0], e.principal[1]);
        EXPECT_GT(e.principal[1], e.principal[2]);

        EXPECT_EQ(e.trend % 5, 0);
        EXPECT_EQ(e.plunge % 5, 0);
        EXPECT_EQ(e.spin % 5, 0);
        const double t = e.trend * kPi / 180, p = e.plunge * kPi / 180;
        const Vec3 drawn{std::sin(t) * std::cos(p), std::cos(t) * std::cos(p), -std::sin(p)};
        const double cosine = std::fabs(Dot(drawn, s.principal.axes[0].downCosines));
        const double turn = std::asin(0.015 / (e.principal[0] - e.principal[1] - 0.015));
        EXPECT_GE(cosine, std::cos(turn) - 4 * DBL_EPSILON) << "exercise " << i;
    }
}

TEST(RandomExercise, TheJointAndTheQuestions)
{
    const std::vector<Quantity> asked = {Quantity::s1,        Quantity::s2,    Quantity::s3,
                                         Quantity::s1Azimuth, Quantity::s1Dip, Quantity::regime,
                                         Quantity::sigma,     Quantity::tau,   Quantity::safetyFactor};
    EXPECT_EQ(RandomExerciseQuantities(), asked);
    for (int i = 0; i < 200; ++i) {
        const RandomExercise e = RandomExerciseFor("Group " + std::to_string(i));
        EXPECT_GE(e.joint[0], 0);
        EXPECT_LT(e.joint[0], 360);
        EXPECT_GE(e.joint[1], 10);
        EXPECT_LE(e.joint[1], 80);
        EXPECT_GE(e.joint[2], 15);
        EXPECT_LE(e.joint[2], 40);
        EXPECT_GE(e.joint[3], 0);
        EXPECT_LE(e.joint[3], 10);
        EXPECT_EQ(e.convention, AzimuthConvention::azClockwiseFromNorth);
        ASSERT_EQ(e.questions.size(), asked.size());
        for (size_t k = 0; k < asked.size(); ++k) {
            EXPECT_EQ(e.questions[k].quantity, asked[k]);
            EXPECT_FALSE(e.questions[k].tolerance);
            EXPECT_TRUE(e.questions[k].hint.empty());
        }
        // Every question has an answer: the joint carries shear.
        const AnalysisState s = AnalyseExercise(e);
        EXPECT_GE(s.jointResult.tau, 0.05 * (s.principal.s1 - s.principal.s3));
        // The inputs as the window reads them.
        EXPECT_EQ(s.stress.sx, ParseNumber(e.stress[0], "."));
        EXPECT_EQ(s.stress.tzx, ParseNumber(e.stress[5], "."));
        EXPECT_EQ(s.joint.azimuth, DegToRad(e.joint[0]));
        EXPECT_EQ(s.joint.dip, DegToRad(e.joint[1]));
        EXPECT_EQ(s.joint.phi, e.joint[2]);
        EXPECT_EQ(s.joint.c, e.joint[3]);
    }
}

}  // namespace
}  // namespace tensorium
