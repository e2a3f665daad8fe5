// The analysis without a window: the snapshot of the defaults, a failing
// step that keeps what was computed before it, the views that follow, and
// the stability of a plane with and without pore pressure.
#include "core/analysis_model.h"
#include "tests/core/default_inputs.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/number_format.h"
#include "core/stability.h"
#include "core/tensor_error.h"
#include "tests/core/random_stress.h"
#include "tests/core/shear_cases.h"

namespace tensorium {
namespace {

const NumberSeparators kEnglish{".", ","};
std::string F(double v, int decimals = 3) { return FormatNumber(v, decimals, kEnglish); }
std::string F(const std::optional<double>& v) { return v ? F(*v) : "none"; }

AnalysisModel DefaultModel()
{
    AnalysisModel model;
    testing_support::SetDefaultInputs(model.state());
    return model;
}

TEST(AnalysisModel, TheDefaultsGiveTheWindowsNumbers)
{
    AnalysisModel model = DefaultModel();
    model.ComputeAll();
    const AnalysisState& s = model.state();
    EXPECT_EQ(F(s.principal.s1), "8.794");
    EXPECT_EQ(F(RadToDeg(s.principal.axes[0].azimuth), 2), "283.10");
    EXPECT_EQ(F(s.user.stress.sx), "2.082");
    EXPECT_EQ(F(s.jointResult.sigma), "5.760");
    EXPECT_EQ(F(SafetyFactor(s.jointResult)), "0.604");
}

TEST(AnalysisModel, AFailingStepKeepsTheResultsBeforeIt)
{
    AnalysisModel model = DefaultModel();
    model.ComputeAll();
    const double s1 = model.state().principal.s1;
    model.state().stress = {1.7e308, 1.7e308, 1.7e308, 1.7e308, 1.7e308, 1.7e308};
    EXPECT_THROW(model.ComputeAll(), TensorError);
    // The rotation was rebuilt, the principal step failed: the rest is as before.
    EXPECT_EQ(model.state().principal.s1, s1);
    EXPECT_EQ(F(model.state().jointResult.sigma), "5.760");
}

TEST(AnalysisModel, ViewsFollowEachPublishedCycle)
{
    AnalysisModel model = DefaultModel();
    int calls = 0;
    double seen = 0;
    ModelSubscription subscription = model.Subscribe([&](const AnalysisState& s) {
        ++calls;
        seen = s.principal.s1;
    });
    model.ComputeAll();
    EXPECT_EQ(calls, 0) << "computing alone notifies nobody";
    model.Publish();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, model.state().principal.s1);
    subscription.Reset();
    model.Publish();
    EXPECT_EQ(calls, 1) << "a view that stopped listening is not told";
    EXPECT_EQ(model.ListenerCount(), 0);
}

TEST(AnalysisModel, ADestroyedViewStopsListeningAndMayOutliveTheModel)
{
    int calls = 0;
    ModelSubscription outliving;
    {
        AnalysisModel model = DefaultModel();
        {
            ModelSubscription view = model.Subscribe([&](const AnalysisState&) { ++calls; });
            EXPECT_EQ(model.ListenerCount(), 1);
        }
        EXPECT_EQ(model.ListenerCount(), 0);
        model.Publish();
        EXPECT_EQ(calls, 0);
        outliving = model.Subscribe([&](const AnalysisState&) { ++calls; });
        EXPECT_TRUE(outliving.Active());
    }
    EXPECT_FALSE(outliving.Active());
    outliving.Reset();  // the model is gone: nothing to undo, nothing touched
}

// A view that closes while it is told leaves the others told once each.
TEST(AnalysisModel, AViewMayStopListeningWhileItIsTold)
{
    AnalysisModel model = DefaultModel();
    int first = 0, second = 0;
    ModelSubscription a, b;
    a = model.Subscribe([&](const AnalysisState&) {
        ++first;
        b.Reset();
        a.Reset();
    });
    b = model.Subscribe([&](const AnalysisState&) { ++second; });
    model.Publish();
    model.Publish();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0) << "stopped before its turn";
}

TEST(AnalysisModel, APorePressureReassessesTheJointAndTellsTheViews)
{
    AnalysisModel model = DefaultModel();
    model.ComputeAll();
    EXPECT_EQ(F(model.state().jointStability.sigmaEff), "5.760");
    int calls = 0;
    ModelSubscription view = model.Subscribe([&](const AnalysisState&) { ++calls; });
    model.SetPorePressure(2);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(model.state().porePressure, 2);
    EXPECT_EQ(F(model.state().jointStability.sigmaEff), "3.760");
    EXPECT_EQ(F(model.state().jointStability.safetyFactor), "0.480");
    const double sigma = model.state().jointResult.sigma;
    model.state().stress = {6.8, 2, 16, 2, -2, 4};
    model.ComputeAll();
    EXPECT_EQ(model.state().porePressure, 2) << "a cycle keeps the pore pressure";
    EXPECT_EQ(model.state().jointStability.sigmaEff, 2 * sigma - 2);
}

TEST(AnalysisModel, UpdateGlobalFromUserRoundTrips)
{
    AnalysisModel model = DefaultModel();
    model.ComputeAll();
    const StressState before = model.state().stress;
    model.TransformToGlobalSystem();
    EXPECT_NEAR(model.state().stress.sx, before.sx, 8 * 8 * DBL_EPSILON);
    EXPECT_NEAR(model.state().stress.tzx, before.tzx, 8 * 8 * DBL_EPSILON);
}

TEST(PlaneStability, TheDefaultJointUnderAPorePressureOfTwo)
{
    AnalysisModel model = DefaultModel();
    model.ComputeAll();
    const AnalysisState& s = model.state();
    const PlaneStability p = AssessJoint(s.jointResult, s.joint, s.principal, 2);
    EXPECT_EQ(F(p.sigmaEff), "3.760");
    EXPECT_EQ(F(p.safetyFactor), "0.480");
    EXPECT_EQ(F(p.slipTendency), "1.073");
    EXPECT_EQ(F(p.dilationTendency), "0.356");
    EXPECT_EQ(F(p.criticalPressureRise), "-8.405");
    // Without pore pressure the safety factor is the joint page's.
    EXPECT_EQ(F(AssessJoint(s.jointResult, s.joint, s.principal, 0).safetyFactor), "0.604");
}

TEST(PlaneStability, QuantitiesWithoutAValueAreEmpty)
{
    const PlaneStability zero =
        AssessPlane(2, 0, 5, 5, 0, 1, 2);  // sigma' = 0, s1 = s3, tan phi = 0, tau = 0
    EXPECT_FALSE(zero.slipTendency);
    EXPECT_FALSE(zero.dilationTendency);
    EXPECT_FALSE(zero.criticalPressureRise);
    EXPECT_FALSE(zero.safetyFactor);
    const PlaneStability tension = AssessPlane(1, 2, 4, 0, 30, 0.5, 3);  // sigma' = -2: no friction
    EXPECT_EQ(*tension.safetyFactor, 0.0);
}

// The explorer's outputs on planes without shear: no safety factor under any
// pore pressure, and a slip tendency of exactly 0.
TEST(PlaneStability, PlanesWithoutShearNeitherSlipNorHaveASafetyFactor)
{
    for (const testing_support::ZeroShearCase& k : testing_support::ZeroShearCases()) {
        AnalysisModel model = DefaultModel();
        model.state().stress = k.stress;
        model.state().joint = k.joint;
        model.ComputeAll();
        const AnalysisState& s = model.state();
        for (double p : {0.0, 2.0, -3.0}) {
            SCOPED_TRACE(std::string(k.name) + ", p " + F(p));
            const PlaneStability a = AssessJoint(s.jointResult, s.joint, s.principal, p);
            EXPECT_FALSE(a.safetyFactor);
            ASSERT_TRUE(a.slipTendency);
            EXPECT_EQ(*a.slipTendency, 0);
        }
    }
}

// With real but small shear the explorer's safety factor is the joint
// page's, with all its digits.
TEST(PlaneStability, NearlyHydrostaticSafetyFactorKeepsItsDigits)
{
    using namespace testing_support;
    AnalysisModel model = DefaultModel();
    model.state().stress = kNearlyHydrostatic;
    model.state().joint = NearlyHydrostaticJoint();
    model.ComputeAll();
    const AnalysisState& s = model.state();
    const std::optional<double> sf = AssessJoint(s.jointResult, s.joint, s.principal, 0).safetyFactor;
    ASSERT_TRUE(sf);
    const long double expected = NearlyHydrostaticSafetyFactor();
    EXPECT_LE(std::fabs(*sf - expected), kNearlyHydrostaticTolerance * DBL_EPSILON * expected);
    EXPECT_EQ(*sf, *SafetyFactor(s.jointResult));
}

// The formulas of the explorer's outputs, written out once more.
TEST(PlaneStability, RandomPlanesAgainstTheFormulas)
{
    testing_support::Random r(0x57ab0001);
    for (int i = 0; i < 2000; ++i) {
        const double s1 = 10 * r.Unit() + 1, s3 = -5 * r.Unit(), sigma = s3 + (s1 - s3) * r.Unit();
        const double tau = 4 * r.Unit() + 0.01, phi = 60 * r.Unit() + 1, c = 2 * r.Unit(), p = 3 * r.Signed();
        const PlaneStability s = AssessPlane(sigma, tau, s1, s3, phi, c, p);
        const double eff = sigma - p, t = std::tan(phi * std::acos(-1.0) / 180);
        EXPECT_EQ(s.sigmaEff, eff);
        ASSERT_TRUE(s.safetyFactor && s.dilationTendency && s.criticalPressureRise);
        EXPECT_NEAR(*s.safetyFactor, (eff < 0 ? 0 : c + t * eff) / tau,
                    1e-13 * (1 + std::fabs(*s.safetyFactor)));
        EXPECT_NEAR(*s.dilationTendency, (s1 - sigma) / (s1 - s3), 4 * DBL_EPSILON);
        EXPECT_NEAR(*s.criticalPressureRise, eff - (tau - c) / t,
                    1e-12 * (1 + std::fabs(eff - (tau - c) / t)));
        if (eff != 0) {
            EXPECT_NEAR(*s.slipTendency, tau / eff, 4 * DBL_EPSILON * std::fabs(tau / eff));
        }
    }
}

}  // namespace
}  // namespace tensorium
