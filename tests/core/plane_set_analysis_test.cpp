// Every plane of a set against direct formulas: the stresses from the
// traction written out, the stability from its definitions, the critical
// flag from its rule, and the pressure at which each plane turns critical
// against the flag itself just below and above it.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "core/mohr_coulomb.h"
#include "core/plane_set_analysis.h"
#include "core/principal_solver.h"
#include "core/stability.h"
#include "tests/core/random_stress.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

struct Case {
    StressState stress;
    MeasuredPlane plane;
    double phi, c, p;
};

Case RandomCase(testing_support::Random& random)
{
    Case k;
    const double scale = std::pow(10.0, 4 * random.Unit() - 1);
    k.stress = {scale * random.Signed(), scale * random.Signed(), scale * random.Signed(),
                scale * random.Signed(), scale * random.Signed(), scale * random.Signed()};
    k.plane.dipDirection = 360 * random.Unit();
    k.plane.dip = random.Below(8) == 0 ? 90.0 * random.Below(2) : 90 * random.Unit();
    k.phi = random.Below(10) == 0 ? 0 : 45 * random.Unit();
    k.c = random.Below(3) == 0 ? 0 : scale * random.Unit();
    k.p = scale * 2 * random.Signed();
    return k;
}

TEST(PlaneSetAnalysis, StressesAndStabilityFollowTheirDefinitions)
{
    testing_support::Random random(20261209);
    for (int trial = 0; trial < 20000; ++trial) {
        const Case k = RandomCase(random);
        SCOPED_TRACE(trial);
        const double a = k.plane.dipDirection * M_PI / 180, d = k.plane.dip * M_PI / 180;
        const double n[3] = {std::sin(a) * std::sin(d), std::cos(a) * std::sin(d), std::cos(d)};
        const StressState& s = k.stress;
        const double t[3] = {s.sx * n[0] + s.txy * n[1] + s.tzx * n[2],
                             s.txy * n[0] + s.sy * n[1] + s.tyz * n[2],
                             s.tzx * n[0] + s.tyz * n[1] + s.sz * n[2]};
        const double sigma = t[0] * n[0] + t[1] * n[1] + t[2] * n[2];
        const double tau = std::hypot(t[0] - sigma * n[0], t[1] - sigma * n[1], t[2] - sigma * n[2]);
        const double largest = std::max({std::fabs(s.sx), std::fabs(s.sy), std::fabs(s.sz), std::fabs(s.txy),
                                         std::fabs(s.tyz), std::fabs(s.tzx)});
        // The angles' conversion and the products: measured at most 1.4
        // epsilons of the largest component for sigma and 3.4 for tau over
        // these cases; the shear's own rounding bound is 8 (kShearNoise).
        const double noise = 8 * DBL_EPSILON * largest;

        const PrincipalResult principal =
            ComputePrincipalStresses(s, AzimuthConvention::azClockwiseFromNorth);
        const PlaneSetConditions conditions{principal.s1, principal.s3, k.phi, k.c, k.p};
        const PlaneOutcome o = AssessMeasured(StressesOn(k.plane, s), conditions);
        ASSERT_NEAR(o.stresses.sigma, sigma, noise);
        ASSERT_NEAR(o.stresses.tau, tau, noise);
        EXPECT_DOUBLE_EQ(o.stability.sigmaEff, o.stresses.sigma - k.p);
        const double sigmaEff = o.stability.sigmaEff;
        const double limit = sigmaEff < 0 ? 0 : k.c + sigmaEff * std::tan(k.phi * M_PI / 180);
        if (o.stresses.tau > 0) {
            ASSERT_TRUE(o.stability.safetyFactor);
            EXPECT_NEAR(*o.stability.safetyFactor, limit / o.stresses.tau,
                        1e-13 * std::max(1.0, std::fabs(limit / o.stresses.tau)));
        }
        const bool critical = sigmaEff < 0 || (o.stresses.tau > 0 && *o.stability.safetyFactor <= 1);
        EXPECT_EQ(o.critical, critical);
    }
}

// A set is assessed at once with its friction worked out once, and again
// at each step of the pore pressure; every value must still be exactly the
// one the joint page finds for the plane alone.
TEST(PlaneSetAnalysis, AWholeSetGetsExactlyTheValuesOfEachPlaneAloneAtEveryPressure)
{
    testing_support::Random random(99);
    for (int trial = 0; trial < 200; ++trial) {
        const Case k = RandomCase(random);
        const PrincipalResult principal =
            ComputePrincipalStresses(k.stress, AzimuthConvention::azClockwiseFromNorth);
        PlaneSetConditions conditions{principal.s1, principal.s3, k.phi, k.c, k.p};
        std::vector<PlaneStresses> set;
        for (int n = 0; n < 50; ++n) set.push_back(StressesOn(RandomCase(random).plane, k.stress));
        const auto expectAlone = [&](const std::vector<PlaneOutcome>& outcomes, double p) {
            EXPECT_EQ(outcomes.size(), set.size());
            if (outcomes.size() != set.size()) return -1;
            int critical = 0;
            for (size_t n = 0; n < set.size(); ++n) {
                const PlaneStability alone =
                    AssessPlane(set[n].sigma, set[n].tau, principal.s1, principal.s3, k.phi, k.c, p);
                const PlaneStability& s = outcomes[n].stability;
                EXPECT_EQ(s.sigmaEff, alone.sigmaEff);
                EXPECT_EQ(s.safetyFactor, alone.safetyFactor);
                EXPECT_EQ(s.slipTendency, alone.slipTendency);
                EXPECT_EQ(s.dilationTendency, alone.dilationTendency);
                EXPECT_EQ(s.criticalPressureRise, alone.criticalPressureRise);
                EXPECT_EQ(outcomes[n].critical, IsCriticallyStressed(alone, set[n].tau));
                critical += IsCriticallyStressed(alone, set[n].tau);
            }
            return critical;
        };
        std::vector<PlaneOutcome> outcomes(3);  // used again, whatever it held
        AssessMeasured(set, conditions, outcomes);
        expectAlone(outcomes, k.p);
        for (const double p : {RandomCase(random).p, 0.0, -k.p, 1e300}) {
            conditions.porePressure = p;
            const int critical = ReassessAtPressure(conditions, outcomes);
            EXPECT_EQ(critical, expectAlone(outcomes, p));
        }
    }
}

TEST(PlaneSetAnalysis, EachPlaneTurnsCriticalAtItsCriticalPressure)
{
    testing_support::Random random(7);
    for (int trial = 0; trial < 20000; ++trial) {
        const Case k = RandomCase(random);
        SCOPED_TRACE(trial);
        const PrincipalResult principal =
            ComputePrincipalStresses(k.stress, AzimuthConvention::azClockwiseFromNorth);
        const PlaneStresses stresses = StressesOn(k.plane, k.stress);
        const double pc = CriticalPressure(stresses, k.phi, k.c);
        auto criticalAt = [&](double p) {
            return AssessMeasured(stresses, {principal.s1, principal.s3, k.phi, k.c, p}).critical;
        };
        if (std::isinf(pc)) {
            EXPECT_LT(pc, 0);
            for (double p : {-1e6, 0.0, stresses.sigma}) EXPECT_TRUE(criticalAt(p)) << p;
            continue;
        }
        // Clear of the rounding at the step itself.
        const double margin = 1e-9 * std::max({1.0, std::fabs(pc), std::fabs(stresses.sigma), stresses.tau});
        EXPECT_FALSE(criticalAt(pc - margin)) << pc;
        EXPECT_TRUE(criticalAt(pc + margin)) << pc;
    }
}

TEST(PlaneSetAnalysis, TheCurveCountsThePlanesCriticalAtEachPressure)
{
    const CriticalCurve none({});
    EXPECT_EQ(none.PercentAt(5), 0);
    EXPECT_EQ(none.AllCriticalPressure(), 0);

    const double inf = HUGE_VAL;
    const CriticalCurve curve({4, -inf, 1, 4, 9});
    EXPECT_DOUBLE_EQ(curve.PercentAt(-1e300), 20);
    EXPECT_DOUBLE_EQ(curve.PercentAt(0.999), 20);
    EXPECT_DOUBLE_EQ(curve.PercentAt(1), 40);
    EXPECT_DOUBLE_EQ(curve.PercentAt(4), 80);
    EXPECT_DOUBLE_EQ(curve.PercentAt(8.9), 80);
    EXPECT_DOUBLE_EQ(curve.PercentAt(9), 100);
    EXPECT_EQ(curve.AllCriticalPressure(), 9);
    EXPECT_TRUE(std::is_sorted(curve.Steps().begin(), curve.Steps().end()));
}

}  // namespace
}  // namespace tensorium
