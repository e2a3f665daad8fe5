// The worked solution read as a student reads it: every number of the
// defaults, in order, under a point and under a comma; the pore pressure's
// effective values; the special cases in words.
#include "core/worked_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <regex>

#include "core/fault_slip.h"
#include "core/number_format.h"
#include "tests/core/random_stress.h"
#include "tests/core/shear_cases.h"
#include "tests/core/working_lines.h"

namespace tensorium::testing_support {
namespace {

const NumberSeparators kPoint{".", ","};
const NumberSeparators kComma{",", "."};

TEST(WorkedSolution, ShowsEveryNumberOfTheDefaults)
{
    const std::string text = WorkedSolution(DefaultAnalysis(), 0, kPoint);
    EXPECT_EQ(MatrixRows(text, "T"),
              (std::vector<std::string>{"  3.400   1.000   2.000 ", "  1.000   1.000  -1.000 ",
                                        "  2.000  -1.000   8.000 "}));
    EXPECT_EQ(Value(text, "I₁"), "12.400");
    EXPECT_EQ(Value(text, "I₂"), "32.600");
    EXPECT_EQ(Value(text, "I₃"), "7.800");
    EXPECT_NE(text.find("\nσ³ − 12.400 σ² + 32.600 σ − 7.800 = 0\n"), std::string::npos);
    EXPECT_EQ(Value(text, "σ₁"), "8.794");
    EXPECT_EQ(Value(text, "azimuth of σ₁"), "283.10°");
    EXPECT_EQ(Value(text, "σₘ"), "4.133");
    EXPECT_EQ(Value(text, "J₂"), "18.653");
    EXPECT_EQ(Value(text, "J₃"), "14.285");
    EXPECT_EQ(Value(text, "σvM"), "7.481");
    EXPECT_EQ(Value(text, "σoct"), "4.133");
    EXPECT_EQ(Value(text, "τoct"), "3.526");
    EXPECT_EQ(Value(text, "τₘₐₓ"), "4.264");
    EXPECT_EQ(Value(text, "R"), "0.361");
    EXPECT_EQ(Value(text, "ν"), "-0.279");
    EXPECT_EQ(Value(text, "stress regime"), "normal faulting");
    EXPECT_EQ(Value(text, "x'"), "(-0.370424, -0.919804, -0.129410)");
    EXPECT_EQ(MatrixRows(text, "S' = R T Rᵀ")[0], "   2.082  -1.308  -1.407 ") << "sx' of the user page";
    EXPECT_EQ(Value(text, "n"), "(0.150123, 0.523541, 0.838671)");
    EXPECT_EQ(Value(text, "t"), "(2.711, -0.165, 6.486)");
    EXPECT_EQ(Value(text, "σₙ"), "5.760");
    EXPECT_EQ(Value(text, "τ"), "4.033");
    EXPECT_EQ(Value(text, "s"), "(0.457843, -0.788657, 0.410366)");
    EXPECT_EQ(Value(text, "SF"), "0.604");
    EXPECT_EQ(Value(text, "p"), "0.000: the effective values are the ones above.");
    EXPECT_EQ(Value(text, "SF(p)"), "") << "no effective values without pore pressure";
}

TEST(WorkedSolution, SectionsComeInTheirOrder)
{
    const std::string text = WorkedSolution(DefaultAnalysis(), 0, kPoint);
    size_t last = 0;
    for (const char* step : {"\nT =",
                             "\nI₁ =",
                             "\nσ³ − I₁",
                             "\nσ₁ =",
                             "\n  (L₁, M₁, N₁) =",
                             "\nσₘ =",
                             "\nJ₂ =",
                             "\nσvM =",
                             "\nτoct =",
                             "\nR =",
                             "\nν =",
                             "\nstress regime =",
                             "\nB(β, ψ) =",
                             "\nA(θ) =",
                             "\nx' =",
                             "\nS' =",
                             "\nn =",
                             "\nt =",
                             "\nσₙ =",
                             "\nτ =",
                             "\ns =",
                             "\nrake of s =",
                             "\ntlim =",
                             "\nSF =",
                             "\nTs =",
                             "\nTd =",
                             "\n6. Special cases"}) {
        const size_t at = text.find(step);
        ASSERT_NE(at, std::string::npos) << step;
        EXPECT_GT(at, last) << step << " comes too early";
        last = at;
    }
}

TEST(WorkedSolution, NamesReadPlainlyAsNameEqualsValue)
{
    const std::string plain = Plain(WorkedSolution(DefaultAnalysis(), 0, kPoint));
    for (const char* line : {"I1 = sx + sy + sz = 12.400", "σm = I1 / 3 = 4.133", "J2 = ½ tr(S²) = 18.653",
                             "σvM = √(3 J2) = 7.481", "τmax = (σ1 − σ3) / 2 = 4.264", "σn = n · t = 5.760"})
        EXPECT_NE(plain.find(line), std::string::npos) << line;
}

TEST(WorkedSolution, PorePressureAddsTheEffectiveValuesOfTheExplorer)
{
    const std::string text = WorkedSolution(DefaultAnalysis(), 2, kPoint);
    EXPECT_EQ(Value(text, "p"), "2.000");
    EXPECT_EQ(Value(text, "σₙ'"), "3.760");
    EXPECT_EQ(Value(text, "SF(p)"), "0.480");
    EXPECT_EQ(Value(text, "Ts(p)"), "1.073");
    EXPECT_EQ(Value(text, "Td"), "0.356");
    EXPECT_EQ(Value(text, "Δp crit(p)"), "-8.405");
    EXPECT_EQ(Value(text, "SF"), "0.604") << "the joint page's own safety factor stays";
}

TEST(WorkedSolution, RegionalSeparatorsUnderAComma)
{
    AnalysisState state = DefaultAnalysis();
    std::string text = WorkedSolution(state, 0, kComma);
    EXPECT_EQ(Value(text, "I₁"), "12,400");
    EXPECT_EQ(Value(text, "ν"), "-0,279");
    EXPECT_EQ(Value(text, "n"), "(0,150123; 0,523541; 0,838671)") << "the components parted by semicolons";
    EXPECT_EQ(Value(text, "plunges of σ₁, σ₂, σ₃"), "69,95°; 15,10°; 12,88°");
    EXPECT_EQ(MatrixRows(text, "T")[1], "  1,000   1,000  -1,000 ");
    // No number is left with a decimal point, and every number has its decimals.
    const std::regex pointNumber("[0-9]\\.[0-9]");
    EXPECT_FALSE(std::regex_search(text, pointNumber));

    state.stress.sz = 12345;
    text = WorkedSolution(Analysed(state), 0, kComma);
    EXPECT_EQ(Value(text, "I₁"), "12.349,400") << "thousands grouped";
    const std::vector<std::string> rows = MatrixRows(text, "T");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "  3,400   1,000       2,000 ") << "columns aligned on the widest number";
    EXPECT_EQ(rows[2], "  2,000  -1,000  12.345,000 ");
}

// Tensors Q diag(d) Q^T: the solver's rounding makes the equal stresses differ
// in the last bits, which must still count as equal.
AnalysisState WithPrincipal(const Vec3& d, std::uint64_t seed)
{
    Random r(seed);
    AnalysisState state = DefaultAnalysis();
    state.stress = seed == 0 ? StressState{d[0], d[1], d[2], 0, 0, 0} : Rotated(Rotation(r.Quaternion()), d);
    return Analysed(state);
}

std::string Special(const AnalysisState& state)
{
    const std::string plain = Plain(WorkedSolution(state, 0, kPoint));
    return plain.substr(plain.find("6. Special cases"));
}

TEST(WorkedSolution, EqualPrincipalStressesAreSaidInWords)
{
    for (std::uint64_t seed : {0, 11, 12, 13}) {
        SCOPED_TRACE(seed);
        const std::string upper = Special(WithPrincipal({5, 5, 1}, seed));
        EXPECT_NE(
            upper.find(
                "σ1 = σ2: every direction in the plane normal to the σ3 axis is principal, so the "
                "σ1 and σ2 axes shown, and the stress regime read from them, are one choice among many."),
            std::string::npos)
            << upper;
        const std::string lower = Special(WithPrincipal({5, -1, -1}, seed));
        EXPECT_NE(lower.find("σ2 = σ3: every direction in the plane normal to the σ1 axis is principal"),
                  std::string::npos)
            << lower;
        EXPECT_EQ(lower.find("σ1 = σ2"), std::string::npos);

        const AnalysisState same = WithPrincipal({3, 3, 3}, seed);
        const std::string all = Special(same);
        EXPECT_NE(all.find("σ1 = σ2 = σ3: every direction is principal"), std::string::npos) << all;
        const std::string text = WorkedSolution(same, 0, kPoint);
        EXPECT_EQ(Value(text, "R").find("has no value"), std::string::npos) << "the line is not name = value";
        EXPECT_NE(text.find("\nR = (σ₂ − σ₃) / (σ₁ − σ₃) has no value (σ₁ = σ₃)\n"), std::string::npos);
        EXPECT_NE(text.find("\nstress regime has no value (σ₁ = σ₂ = σ₃)\n"), std::string::npos);
    }
    // A gap of a millionth is a real one.
    const std::string distinct = Special(WithPrincipal({5, 5 - 5e-6, 1}, 0));
    EXPECT_NE(distinct.find("None: the principal stresses differ"), std::string::npos) << distinct;
}

// The working says which way the hanging wall slips: against s, with the
// rake the plane set predicts, in the textbook cases of each regime.
TEST(WorkedSolution, NamesTheHangingWallsSlipAndItsRake)
{
    const struct {
        StressState stress;
        double dipDirection, dip;
        const char* rake;
    } cases[] = {{{4, 6, 10, 0, 0, 0}, 90, 60, "-90.00°"},
                 {{10, 6, 4, 0, 0, 0}, 90, 60, "90.00°"},
                 {{10, 4, 6, 0, 0, 0}, 150, 90, "180.00°"},
                 {{10, 4, 6, 0, 0, 0}, 30, 90, "0.00°"}};
    for (const auto& k : cases) {
        AnalysisState state = DefaultAnalysis();
        state.stress = k.stress;
        state.joint.azimuth = k.dipDirection * M_PI / 180;
        state.joint.dip = k.dip * M_PI / 180;
        const std::string text = WorkedSolution(Analysed(state), 0, kPoint);
        EXPECT_EQ(Value(text, "rake of the hanging wall's slip, along −s"), k.rake) << k.dipDirection;
        const std::optional<double> predicted =
            PredictedRake(MeasuredPlane{"", k.dipDirection, k.dip, ""}, k.stress);
        ASSERT_TRUE(predicted);
        EXPECT_EQ(FormatNumber(*predicted, 2, {".", ","}) + "°", k.rake);
    }
}

TEST(WorkedSolution, NoShearOnTheJointLeavesTheSafetyFactorWithoutValue)
{
    AnalysisState state = DefaultAnalysis();
    state.stress = {8, 3, 1, 0, 0, 0};
    state.joint.dip = 0;  // normal along z, a principal axis
    state = Analysed(state);
    ASSERT_EQ(state.jointResult.tau, 0);
    const std::string text = WorkedSolution(state, 0, kPoint);
    EXPECT_NE(text.find("\nSF = tlim / τ has no value (τ = 0, see 6)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\ns = tₛ / τ has no value (τ = 0, see 6)\n"), std::string::npos);
    EXPECT_NE(Special(state).find("τ = 0 on the joint: the plane carries no shear stress (it is a principal "
                                  "plane), so SF = tlim / τ would divide by zero and has no value"),
              std::string::npos);
    EXPECT_EQ(Special(DefaultAnalysis()).find("τ = 0"), std::string::npos);
}

// A hydrostatic state (in compression or in tension) and a principal plane
// of pure shear: the working says the plane carries no shear, so there is no
// direction of shear, no rake and no safety factor, with or without pore
// pressure; the slip tendency is 0.
TEST(WorkedSolution, PlanesWithoutShearSayItInsteadOfShowingResidue)
{
    for (const ZeroShearCase& k : ZeroShearCases()) {
        SCOPED_TRACE(k.name);
        AnalysisState state = DefaultAnalysis();
        state.stress = k.stress;
        state.joint = k.joint;
        state = Analysed(state);
        const std::string text = WorkedSolution(state, 2, kPoint);
        EXPECT_EQ(Value(text, "τ"), "0.000");
        EXPECT_EQ(Value(text, "tₛ"), "(0.000, 0.000, 0.000)");
        EXPECT_NE(text.find("\ns = tₛ / τ has no value (τ = 0, see 6)\n"), std::string::npos) << text;
        for (const char* name : {"trend of the line of s", "plunge of the line of s", "rake of s"})
            EXPECT_EQ(text.find(std::string("\n") + name), std::string::npos) << name;
        EXPECT_NE(text.find("\nSF = tlim / τ has no value (τ = 0, see 6)\n"), std::string::npos);
        EXPECT_NE(text.find("\nSF(p) = tlim' / τ has no value (τ = 0, see 6)\n"), std::string::npos);
        EXPECT_EQ(Value(text, "Ts"), "0.000");
        EXPECT_EQ(Value(text, "Ts(p)"), "0.000");
        EXPECT_NE(Special(state).find("τ = 0 on the joint: the plane carries no shear stress"),
                  std::string::npos);
    }
}

// Real shear however small: the working shows its direction and the safety
// factor with every digit.
TEST(WorkedSolution, NearlyHydrostaticStateShowsItsSafetyFactor)
{
    AnalysisState state = DefaultAnalysis();
    state.stress = kNearlyHydrostatic;
    state.joint = NearlyHydrostaticJoint();
    state = Analysed(state);
    const std::string text = WorkedSolution(state, 0, kPoint);
    EXPECT_EQ(Value(text, "SF"),
              FormatNumber(static_cast<double>(NearlyHydrostaticSafetyFactor()), 3, kPoint));
    EXPECT_NE(Value(text, "rake of s"), "");
    EXPECT_EQ(Special(state).find("τ = 0"), std::string::npos);
}

TEST(WorkedSolution, TensionLeavesNoFrictionalStrength)
{
    AnalysisState state = DefaultAnalysis();
    state.stress = {-3.4, -1, -8, -1, 1, -2};
    const std::string text = WorkedSolution(Analysed(state), 0, kPoint);
    EXPECT_EQ(Value(text, "σₙ"), "-5.760");
    EXPECT_EQ(Value(text, "tlim"), "0.000");
    EXPECT_NE(text.find("\nNo frictional strength in tension: tlim = 0 because σₙ < 0.\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tensorium::testing_support
