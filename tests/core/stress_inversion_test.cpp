// The inversion of fault-slip data against data made from known stresses.
#include "core/stress_inversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <vector>

#include "core/stress_inversion_bootstrap.h"
#include "tests/core/synthetic_faults.h"

namespace {

using tensorium::FaultSlipDatum;
using tensorium::InversionResult;
using tensorium::InversionStatus;
using tensorium::ReducedStress;
using tensorium::Vec3;
using tensorium::testing_support::AxisAngleDegrees;
using tensorium::testing_support::Known;
using tensorium::testing_support::KnownStress;
using tensorium::testing_support::SyntheticFaults;
using tensorium::testing_support::Tilted;
using tensorium::testing_support::Trend;

// Each Andersonian regime, and stresses tilted at random with R at 0.2,
// 0.5 and 0.8.
std::vector<KnownStress> KnownStresses()
{
    return {Known("normal", Trend(0, 90), Trend(30, 0), 0.5),
            Known("reverse", Trend(60, 0), Trend(150, 0), 0.2),
            Known("strike-slip", Trend(135, 0), Trend(0, 90), 0.8),
            Tilted("tilted R 0.2", 11, 0.2),
            Tilted("tilted R 0.5", 12, 0.5),
            Tilted("tilted R 0.8", 13, 0.8)};
}

struct StressError {
    double axesDegrees;  // the largest of the three axes' errors
    double ratio;
};

StressError ErrorOf(const ReducedStress& found, const KnownStress& known)
{
    const double axes = std::max({AxisAngleDegrees(known.axes.col(0), found.s1),
                                  AxisAngleDegrees(known.axes.col(1), found.s2),
                                  AxisAngleDegrees(known.axes.col(2), found.s3)});
    return {axes, std::fabs(found.ratio - known.ratio)};
}

bool Finite(const ReducedStress& s)
{
    for (const Vec3* v : {&s.s1, &s.s2, &s.s3})
        for (double c : *v)
            if (!std::isfinite(c)) return false;
    return std::isfinite(s.ratio);
}

// Unit, at right angles, pointing down, R in [0, 1]. Rounding leaves up to
// 1 eps of the lengths and the cosines (measured); the checks allow 16.
void ExpectWellFormed(const ReducedStress& s)
{
    const double rounding = 16 * std::numeric_limits<double>::epsilon();
    const Vec3* axes[3] = {&s.s1, &s.s2, &s.s3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(tensorium::Norm(*axes[i]), 1, rounding) << "axis " << i + 1;
        EXPECT_LE((*axes[i])[2], tensorium::kVerticalResidue) << "axis " << i + 1;
        for (int j = i + 1; j < 3; ++j) EXPECT_NEAR(tensorium::Dot(*axes[i], *axes[j]), 0, rounding);
    }
    EXPECT_GE(s.ratio, 0);
    EXPECT_LE(s.ratio, 1);
}

// The sum of 1 - cos(alpha) that the search minimises, from the misfits.
double CostOf(const std::vector<double>& misfitsDegrees)
{
    double cost = 0;
    for (double alpha : misfitsDegrees) cost += 1 - std::cos(tensorium::DegToRad(alpha));
    return cost;
}

// The angle in degrees between each slip and the one `known` drives,
// computed with Eigen.
std::vector<double> MisfitsOfKnown(const KnownStress& known, const std::vector<FaultSlipDatum>& data)
{
    const Eigen::Matrix3d t = known.Tensor();
    std::vector<double> misfits;
    for (const FaultSlipDatum& d : data) {
        const Eigen::Vector3d n(d.normal[0], d.normal[1], d.normal[2]), s(d.slip[0], d.slip[1], d.slip[2]);
        const Eigen::Vector3d predicted = -(t * n - n.dot(t * n) * n).normalized();
        misfits.push_back(std::atan2(predicted.cross(s).norm(), predicted.dot(s)) * 180 / tensorium::kPi);
    }
    return misfits;
}

// On exact data the search ends at rounding level: measured in radians, the
// axes within 6 eps of the known ones, R within 2 eps, the mean misfit 4 eps
// and the largest 35 eps (a plane with little shear gives its slip's
// direction less exactly). The checks allow 64 eps, and 256 for the largest
// misfit; the goals of 0.1 degree, 0.005 and 0.05 degree are checked too.
// The linear estimate, which takes every shear as equally large, misses by
// more.
TEST(StressInversion, ExactSlipsGiveTheirStress)
{
    const double eps = std::numeric_limits<double>::epsilon();
    const double roundingDegrees = tensorium::RadToDeg(64 * eps);
    for (const KnownStress& known : KnownStresses()) {
        SCOPED_TRACE(known.name);
        const std::vector<FaultSlipDatum> data = SyntheticFaults(known, 300, 101);
        const InversionResult result = tensorium::InvertFaultSlip(data);
        ASSERT_TRUE(result.ok());
        ExpectWellFormed(result.stress);
        const StressError error = ErrorOf(result.stress, known);
        EXPECT_LT(error.axesDegrees, 0.1);
        EXPECT_LT(error.ratio, 0.005);
        EXPECT_LT(result.meanMisfitDegrees, 0.05);
        EXPECT_LT(error.axesDegrees, roundingDegrees);
        EXPECT_LT(error.ratio, 64 * eps);
        EXPECT_LT(result.meanMisfitDegrees, roundingDegrees);
        ASSERT_EQ(result.misfitsDegrees.size(), data.size());
        EXPECT_LT(*std::max_element(result.misfitsDegrees.begin(), result.misfitsDegrees.end()),
                  tensorium::RadToDeg(256 * eps));

        const StressError linear = ErrorOf(result.linear, known);
        EXPECT_LT(error.axesDegrees, linear.axesDegrees);
        EXPECT_LT(error.ratio, linear.ratio);
    }
}

// With a normal random error of 10 degrees standard deviation in every rake
// the axes stay within 3 degrees and R within 0.06; and the stress found fits
// at least as well as the known one and as the linear estimate.
TEST(StressInversion, TenDegreeRakeErrors)
{
    for (const KnownStress& known : KnownStresses()) {
        SCOPED_TRACE(known.name);
        const std::vector<FaultSlipDatum> data = SyntheticFaults(known, 300, 202, 10);
        const InversionResult result = tensorium::InvertFaultSlip(data);
        ASSERT_TRUE(result.ok());
        ExpectWellFormed(result.stress);
        const StressError error = ErrorOf(result.stress, known);
        EXPECT_LT(error.axesDegrees, 3);
        EXPECT_LT(error.ratio, 0.06);

        const double cost = CostOf(result.misfitsDegrees);
        EXPECT_LE(cost, CostOf(MisfitsOfKnown(known, data)));
        std::vector<double> linearMisfits;
        const tensorium::Mat3 linear = tensorium::ReducedTensor(result.linear);
        for (const FaultSlipDatum& d : data) linearMisfits.push_back(tensorium::MisfitDegrees(linear, d));
        EXPECT_LT(cost, CostOf(linearMisfits));
        double sum = 0;
        for (double alpha : result.misfitsDegrees) sum += alpha;
        EXPECT_DOUBLE_EQ(result.meanMisfitDegrees, sum / static_cast<double>(data.size()));
    }
}

// R at 0 (s2 = s3) or 1 (s1 = s2): the search stops on the bound, with the
// axis that stands apart found and the other two any pair across it.
TEST(StressInversion, AxiallySymmetricStress)
{
    const KnownStress uniaxial = Known("s2 = s3", Trend(40, 70), Trend(220, 20), 0);
    const KnownStress flattened = Known("s1 = s2", Trend(310, 10), Trend(40, 0), 1);
    for (const KnownStress& known : {uniaxial, flattened}) {
        SCOPED_TRACE(known.name);
        const std::vector<FaultSlipDatum> data = SyntheticFaults(known, 300, 303);
        const InversionResult result = tensorium::InvertFaultSlip(data);
        ASSERT_TRUE(result.ok());
        ExpectWellFormed(result.stress);
        EXPECT_LT(result.meanMisfitDegrees, 0.05);
        EXPECT_NEAR(result.stress.ratio, known.ratio, 0.005);
        if (known.ratio == 0)
            EXPECT_LT(AxisAngleDegrees(known.axes.col(0), result.stress.s1), 0.1);
        else
            EXPECT_LT(AxisAngleDegrees(known.axes.col(2), result.stress.s3), 0.1);
    }
}

// A normal fault: s1 vertical, s3 East, a plane dipping 45 degrees East.
// The hanging wall slides down the dip, to the East.
TEST(StressInversion, PredictedSlipFollowsTheHangingWall)
{
    const double h = std::sqrt(0.5);
    const ReducedStress vertical{{0, 0, -1}, {0, 1, 0}, {1, 0, 0}, 0.5};
    const tensorium::Mat3 t = tensorium::ReducedTensor(vertical);
    const Vec3 slip = tensorium::PredictedSlip(t, {h, 0, h});
    // Rounding leaves 1 eps of the exact components and angles (radians,
    // measured); the checks allow 4.
    const double eps = std::numeric_limits<double>::epsilon();
    EXPECT_NEAR(slip[0], h, 4 * eps);
    EXPECT_EQ(slip[1], 0);
    EXPECT_NEAR(slip[2], -h, 4 * eps);
    const double rounding = tensorium::RadToDeg(4 * eps);
    EXPECT_NEAR(tensorium::MisfitDegrees(t, {{h, 0, h}, {h, 0, -h}}), 0, rounding);
    EXPECT_NEAR(tensorium::MisfitDegrees(t, {{h, 0, h}, {-h, 0, h}}), 180, rounding);
    EXPECT_EQ(tensorium::MisfitDegrees(t, {{0, 0, 1}, {1, 0, 0}}), 90);  // a principal plane: no shear

    const tensorium::StressState state = tensorium::ReducedStressState(vertical);
    EXPECT_EQ(state.sz, 1);
    EXPECT_EQ(state.sy, 0.5);
    EXPECT_EQ(state.sx, 0);
}

// Horizontal axes point to azimuths in [0, 180): East or North.
TEST(StressInversion, AxesPointDown)
{
    EXPECT_EQ(tensorium::AxisPointingDown({0, 0, 1}), (Vec3{0, 0, -1}));
    EXPECT_EQ(tensorium::AxisPointingDown({-1, 0, 0}), (Vec3{1, 0, 0}));
    EXPECT_EQ(tensorium::AxisPointingDown({0, -1, 0}), (Vec3{0, 1, 0}));
    EXPECT_EQ(tensorium::AxisPointingDown({-0.6, 0.8, 0}), (Vec3{0.6, -0.8, 0}));
    EXPECT_EQ(tensorium::AxisPointingDown({-0.6, 0.8, -1e-3}), (Vec3{-0.6, 0.8, -1e-3}));
}

// A datum with normal and slip both turned round, or given at any length,
// or with a slip leaving its plane, describes the same fault. A minimum
// found by comparing costs lies within about sqrt(eps) of the true one
// (measured: 7e-11 radians, 5e-11 in R); the checks allow sqrt(eps).
TEST(StressInversion, EquivalentData)
{
    const KnownStress known = Tilted("tilted", 21, 0.4);
    const std::vector<FaultSlipDatum> data = SyntheticFaults(known, 60, 404, 5);
    std::vector<FaultSlipDatum> changed = data;
    for (size_t i = 0; i < changed.size(); ++i) {
        FaultSlipDatum& d = changed[i];
        if (i % 3 == 0) d = {tensorium::Scaled(d.normal, -1), tensorium::Scaled(d.slip, -1)};
        if (i % 3 == 1)
            d = {tensorium::Scaled(d.normal, 7.5),
                 tensorium::Sum(tensorium::Scaled(d.slip, 0.25), tensorium::Scaled(d.normal, 0.1))};
        if (i == 2) d = {tensorium::Scaled(d.normal, 1e300), tensorium::Scaled(d.slip, 1e-300)};
    }
    const InversionResult a = tensorium::InvertFaultSlip(data), b = tensorium::InvertFaultSlip(changed);
    const double rootEps = std::sqrt(std::numeric_limits<double>::epsilon());
    ASSERT_TRUE(a.ok());
    ASSERT_TRUE(b.ok());
    EXPECT_LT(AxisAngleDegrees(known.axes.col(0), a.stress.s1), 3);
    for (int k = 0; k < 3; ++k) {
        const Vec3 axisA = k == 0 ? a.stress.s1 : k == 1 ? a.stress.s2 : a.stress.s3;
        const Vec3 axisB = k == 0 ? b.stress.s1 : k == 1 ? b.stress.s2 : b.stress.s3;
        EXPECT_LT(AxisAngleDegrees({axisA[0], axisA[1], axisA[2]}, axisB), tensorium::RadToDeg(rootEps));
    }
    EXPECT_NEAR(a.stress.ratio, b.stress.ratio, rootEps);
    EXPECT_NEAR(a.meanMisfitDegrees, b.meanMisfitDegrees, tensorium::RadToDeg(rootEps));
}

// Data that cannot fix a stress fail with a status, and no NaN.
TEST(StressInversion, DegenerateData)
{
    const KnownStress known = Known("normal", Trend(0, 90), Trend(30, 0), 0.5);
    const std::vector<FaultSlipDatum> data = SyntheticFaults(known, 40, 505);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto expectFailure = [](const std::vector<FaultSlipDatum>& faults, InversionStatus status, int invalid) {
        const InversionResult result = tensorium::InvertFaultSlip(faults);
        EXPECT_EQ(result.status, status);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.invalidIndex, invalid);
        EXPECT_TRUE(Finite(result.stress));
        EXPECT_TRUE(Finite(result.linear));
        EXPECT_TRUE(result.misfitsDegrees.empty());
        EXPECT_EQ(result.meanMisfitDegrees, 0);
    };
    expectFailure({}, InversionStatus::tooFewFaults, -1);
    expectFailure({data.begin(), data.begin() + 3}, InversionStatus::tooFewFaults, -1);
    expectFailure(std::vector<FaultSlipDatum>(50, data[0]), InversionStatus::tooFewFaults, -1);
    // Three faults repeated, one of them at another length.
    std::vector<FaultSlipDatum> three;
    for (int i = 0; i < 30; ++i) three.push_back(data[static_cast<size_t>(i % 3)]);
    three[4].normal = tensorium::Scaled(three[4].normal, 2);
    expectFailure(three, InversionStatus::tooFewFaults, -1);

    // One plane with slips in many directions leaves three of the five
    // components free; so do two planes.
    for (int planes : {1, 2}) {
        std::vector<FaultSlipDatum> fewPlanes;
        for (int i = 0; i < 12; ++i) {
            const FaultSlipDatum& d = data[static_cast<size_t>(i % planes)];
            const double turn = 0.5 * i;
            const Vec3 across = tensorium::Cross(d.normal, d.slip);
            fewPlanes.push_back({d.normal, tensorium::Sum(tensorium::Scaled(d.slip, std::cos(turn)),
                                                          tensorium::Scaled(across, std::sin(turn)))});
        }
        SCOPED_TRACE(planes);
        expectFailure(fewPlanes, InversionStatus::undetermined, -1);
    }

    std::vector<FaultSlipDatum> bad = data;
    bad[7].normal[1] = nan;
    expectFailure(bad, InversionStatus::invalidDatum, 7);
    bad = data;
    bad[9].slip[2] = std::numeric_limits<double>::infinity();
    expectFailure(bad, InversionStatus::invalidDatum, 9);
    bad = data;
    bad[3].normal = {0, 0, 0};
    expectFailure(bad, InversionStatus::invalidDatum, 3);
    bad = data;
    bad[5].slip = tensorium::Scaled(bad[5].normal, -2);
    expectFailure(bad, InversionStatus::invalidDatum, 5);
    bad = data;
    bad[6].slip = {0, 0, 0};
    expectFailure(bad, InversionStatus::invalidDatum, 6);
}

// The bootstrap: each resample from its own seed, so the same seed repeats
// the result bit for bit whatever the number of threads.
class StressBootstrap : public ::testing::Test {
protected:
    const KnownStress known_ = Tilted("tilted", 31, 0.3);
    const std::vector<FaultSlipDatum> noisy_ = SyntheticFaults(known_, 100, 606, 10);
};

void ExpectIdentical(const tensorium::BootstrapResult& a, const tensorium::BootstrapResult& b)
{
    EXPECT_EQ(a.ratios, b.ratios);
    EXPECT_EQ(a.ratioLow, b.ratioLow);
    EXPECT_EQ(a.ratioHigh, b.ratioHigh);
    EXPECT_EQ(a.failedResamples, b.failedResamples);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(a.axes[k].samples, b.axes[k].samples);
        EXPECT_EQ(a.axes[k].radius95Degrees, b.axes[k].radius95Degrees);
    }
}

TEST_F(StressBootstrap, RepeatsForASeedWhateverTheThreads)
{
    const tensorium::BootstrapResult one = tensorium::InvertWithBootstrap(noisy_, 200, 77, {}, nullptr, 1);
    ASSERT_TRUE(one.ok());
    ASSERT_EQ(one.ratios.size(), 200u);
    for (int threads : {1, 2, 3}) {
        SCOPED_TRACE(threads);
        ExpectIdentical(one, tensorium::InvertWithBootstrap(noisy_, 200, 77, {}, nullptr, threads));
    }
    const tensorium::BootstrapResult other = tensorium::InvertWithBootstrap(noisy_, 200, 78, {}, nullptr, 2);
    ASSERT_TRUE(other.ok());
    EXPECT_NE(one.ratios, other.ratios);
    EXPECT_NE(one.axes[0].samples, other.axes[0].samples);
}

// The samples lie on the best axis's side; the cone holds 95 % of them and
// no smaller one does; R's range brackets the middle 95 %.
TEST_F(StressBootstrap, ConfidenceRegions)
{
    const tensorium::BootstrapResult result = tensorium::InvertWithBootstrap(noisy_, 400, 5, {}, nullptr, 2);
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result.failedResamples, 0);
    const ReducedStress& best = result.best.stress;
    const Vec3 bestAxes[3] = {best.s1, best.s2, best.s3};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k + 1);
        const tensorium::BootstrapAxis& axis = result.axes[static_cast<size_t>(k)];
        ASSERT_EQ(axis.samples.size(), 400u);
        int inside = 0, strictlyInside = 0;
        for (const Vec3& sample : axis.samples) {
            EXPECT_GE(tensorium::Dot(sample, bestAxes[k]), 0);
            EXPECT_NEAR(tensorium::Norm(sample), 1, 16 * std::numeric_limits<double>::epsilon());
            const Eigen::Vector3d b(bestAxes[k][0], bestAxes[k][1], bestAxes[k][2]);
            const double angle = AxisAngleDegrees(b, sample);
            inside += angle <= axis.radius95Degrees;
            strictlyInside += angle < axis.radius95Degrees;
        }
        EXPECT_GE(inside, 380);
        EXPECT_LT(strictlyInside, 380);
        EXPECT_GT(axis.radius95Degrees, 0);
    }
    int below = 0, above = 0;
    for (double r : result.ratios) {
        below += r < result.ratioLow;
        above += r > result.ratioHigh;
    }
    // The 2.5 and 97.5 percentiles of 400 values lie 9.975 and 389.025
    // places up the sorted list (counting from 0).
    EXPECT_EQ(below, 10);
    EXPECT_EQ(above, 10);
}

// Exact data give the same stress from every resample.
TEST_F(StressBootstrap, ExactDataHaveNoSpread)
{
    const std::vector<FaultSlipDatum> exact = SyntheticFaults(known_, 100, 707);
    const tensorium::BootstrapResult result = tensorium::InvertWithBootstrap(exact, 100, 9, {}, nullptr, 2);
    ASSERT_TRUE(result.ok());
    for (const tensorium::BootstrapAxis& axis : result.axes) EXPECT_LT(axis.radius95Degrees, 0.1);
    EXPECT_LT(known_.ratio - result.ratioLow, 0.005);
    EXPECT_LT(result.ratioHigh - known_.ratio, 0.005);
}

// Resamples of five faults often hold fewer than four different ones: they
// are counted and left out.
TEST_F(StressBootstrap, ResamplesWithTooFewFaults)
{
    const std::vector<FaultSlipDatum> five(noisy_.begin(), noisy_.begin() + 5);
    const tensorium::BootstrapResult result = tensorium::InvertWithBootstrap(five, 100, 3, {}, nullptr, 1);
    ASSERT_TRUE(result.ok());
    EXPECT_GT(result.failedResamples, 0);
    EXPECT_EQ(result.ratios.size() + static_cast<size_t>(result.failedResamples), 100u);
    EXPECT_EQ(result.axes[0].samples.size(), result.ratios.size());
}

TEST_F(StressBootstrap, ProgressRises)
{
    std::vector<double> fractions;
    const tensorium::BootstrapResult result = tensorium::InvertWithBootstrap(
        noisy_, 50, 4, [&](double f) { fractions.push_back(f); }, nullptr, 2);
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(fractions.size(), 50u);
    for (size_t i = 0; i < fractions.size(); ++i) EXPECT_EQ(fractions[i], (i + 1) / 50.0);
}

// A cancel between resamples stops every thread before its next one.
TEST_F(StressBootstrap, Cancel)
{
    for (int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        std::atomic<bool> cancel{false};
        int calls = 0;
        const tensorium::BootstrapResult result = tensorium::InvertWithBootstrap(
            noisy_, 1000, 4,
            [&](double) {
                ++calls;
                cancel = true;
            },
            &cancel, threads);
        EXPECT_EQ(result.status, InversionStatus::cancelled);
        EXPECT_FALSE(result.ok());
        EXPECT_LE(calls, threads);
        EXPECT_TRUE(result.ratios.empty());
        EXPECT_TRUE(result.axes[0].samples.empty());
    }
    const std::atomic<bool> cancelled{true};
    int calls = 0;
    const tensorium::BootstrapResult result = tensorium::InvertWithBootstrap(
        noisy_, 1000, 4, [&](double) { ++calls; }, &cancelled, 2);
    EXPECT_EQ(result.status, InversionStatus::cancelled);
    EXPECT_EQ(calls, 0);
}

// Data that cannot be inverted give the inversion's failure.
TEST_F(StressBootstrap, DegenerateData)
{
    const std::vector<FaultSlipDatum> three(noisy_.begin(), noisy_.begin() + 3);
    const tensorium::BootstrapResult result = tensorium::InvertWithBootstrap(three, 100, 3);
    EXPECT_EQ(result.status, InversionStatus::tooFewFaults);
    EXPECT_TRUE(result.ratios.empty());
}

}  // namespace
