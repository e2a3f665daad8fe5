// Accuracy of the principal stress solver, measured against Eigen's iterative
// self-adjoint eigen-solver on families of tensors drawn from fixed seeds.
#include <gtest/gtest.h>
#include <Eigen/Eigenvalues>

#include "tests/core/random_stress.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <random>
#include <string>
#include <vector>

#include "core/principal_solver.h"
#include "core/tensor_error.h"

namespace tensorium {
namespace {

using testing_support::Random;
using testing_support::Rotated;
using testing_support::Rotation;

// ---------------------------------------------------------------------------
// Generating cases

using Cases = std::vector<StressState>;
using Generator = void (*)(Random&, double scale, Cases&);

void RandomOrientation(Random& r, double scale, Cases& out)
{
    const Vec3 d{scale * r.Signed(), scale * r.Signed(), scale * r.Signed()};
    out.push_back(Rotated(Rotation(r.Quaternion()), d));
}

// An equal or nearly equal pair (top or bottom) beside a well-separated value;
// the gap is relative to the largest principal magnitude.
void NearlyEqualPairs(Random& r, double scale, Cases& out)
{
    for (double gap : {0.0, 1e-3, 1e-6, 1e-9, 1e-12}) {
        for (bool top : {true, false}) {
            const double p = r.Signed(), isolated = top ? p - 0.05 - r.Unit() : p + 0.05 + r.Unit();
            const double delta = gap * std::max(std::fabs(p), std::fabs(isolated));
            const Vec3 d = top ? Vec3{p, p - delta, isolated} : Vec3{isolated, p, p - delta};
            out.push_back(Rotated(Rotation(r.Quaternion()), Scaled(d, scale)));
        }
    }
}

void AllEqual(Random& r, double scale, Cases& out)
{
    const double c = scale * r.Signed();
    out.push_back(Rotated(Rotation(r.Quaternion()), {c, c, c}));  // c*I plus rounding residue
    out.push_back({c, c, c, 0, 0, 0});                            // exactly hydrostatic
}

void RandomComponents(Random& r, double scale, Cases& out)
{
    out.push_back({scale * r.Signed(), scale * r.Signed(), scale * r.Signed(), scale * r.Signed(),
                   scale * r.Signed(), scale * r.Signed()});
}

// Every generator at each scale 1e-6 .. 1e9, then a few near 1e300.
Cases MakeFamily(std::uint64_t seed, int perScale, int nearOverflow, Generator generate)
{
    Random random(seed);
    Cases cases;
    for (int k = -6; k <= 9; ++k)
        for (int i = 0; i < perScale; ++i) generate(random, std::pow(10.0, k), cases);
    for (int i = 0; i < nearOverflow; ++i) generate(random, 1e300, cases);
    return cases;
}

// ---------------------------------------------------------------------------
// Checks

std::string Describe(const StressState& s)
{
    char text[200];
    std::snprintf(text, sizeof text, "{%.17g, %.17g, %.17g, %.17g, %.17g, %.17g}", s.sx, s.sy, s.sz, s.txy,
                  s.tyz, s.tzx);
    return text;
}

struct Worst {
    double value = 0, orthonormality = 0, residual = 0, angle = 0;
};

// Checks one tensor against the oracle; returns the number of failed checks
// and reports the first few of a family.
// Bounds in units of the machine epsilon, about twice the worst error
// measured over every family (in eps: value 15.4, orthonormality 5.0,
// residual 6.7, axis error times relative gap 6.2; the oracle's own error
// is part of each).
constexpr double kEps = DBL_EPSILON;
constexpr double kValueBound = 32 * kEps;           // |s_k - oracle| / max|T|
constexpr double kOrthonormalityBound = 10 * kEps;  // |a_i . a_j - delta_ij|, |det - 1|
constexpr double kResidualBound = 16 * kEps;        // |T a - s a| / max|T|
constexpr double kAxisBound = 16 * kEps;            // sin(axis angle) * gap / max|T|

int CheckCase(const StressState& s, AzimuthConvention convention, Worst& worst, int& reported)
{
    int failures = 0;
    auto expect = [&](bool ok, const char* what, double measured) {
        if (ok) return;
        ++failures;
        if (++reported <= 12) ADD_FAILURE() << what << " (measured " << measured << ") for " << Describe(s);
    };
    const double m = std::max({std::fabs(s.sx), std::fabs(s.sy), std::fabs(s.sz), std::fabs(s.txy),
                               std::fabs(s.tyz), std::fabs(s.tzx)});
    Eigen::Matrix3d t;
    t << s.sx, s.txy, s.tzx, s.txy, s.sy, s.tyz, s.tzx, s.tyz, s.sz;
    Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> oracle;
    oracle.compute(t);
    expect(oracle.info() == Eigen::Success, "oracle did not converge", 0);
    const double expected[3] = {oracle.eigenvalues()(2), oracle.eigenvalues()(1), oracle.eigenvalues()(0)};

    PrincipalResult r;
    try {
        r = ComputePrincipalStresses(s, convention);
    } catch (const std::exception& e) {
        expect(false, (std::string("exception: ") + e.what()).c_str(), 0);
        return failures;
    }
    const double values[3] = {r.s1, r.s2, r.s3};
    expect(r.s1 >= r.s2 && r.s2 >= r.s3, "values not descending", r.s2);
    Eigen::Vector3d a[3];
    for (int k = 0; k < 3; ++k) {
        a[k] = Eigen::Vector3d(r.axes[k].cosines[0], r.axes[k].cosines[1], r.axes[k].cosines[2]);
        const double valueError = std::fabs(values[k] - expected[k]) / m;
        worst.value = std::max(worst.value, valueError);
        expect(valueError <= kValueBound, "principal value error / max|T|", valueError);
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const double e = std::fabs(a[i].dot(a[j]) - (i == j ? 1.0 : 0.0));
            worst.orthonormality = std::max(worst.orthonormality, e);
            expect(e <= kOrthonormalityBound, "axes not orthonormal", e);
        }
    }
    const double det = a[0].dot(a[1].cross(a[2]));
    expect(std::fabs(det - 1) <= kOrthonormalityBound, "axes not right-handed: det", det);

    const Eigen::Matrix3d unitT = t / m;  // scaled first, so that 1e300 cannot overflow
    for (int k = 0; k < 3; ++k) {
        const double residual = (unitT * a[k] - (values[k] / m) * a[k]).norm();
        worst.residual = std::max(worst.residual, residual);
        expect(residual <= kResidualBound, "eigen-residual / max|T|", residual);

        double gap = HUGE_VAL;
        for (int j = 0; j < 3; ++j)
            if (j != k) gap = std::min(gap, std::fabs(expected[k] - expected[j]) / m);
        // An axis is determined to about eps / gap: the sine of its angle to
        // the oracle's (a cross product, exact near 0 where acos is not),
        // times the relative gap, is the error to bound.
        if (gap >= 1e-4) {
            const Eigen::Vector3d v = oracle.eigenvectors().col(2 - k);
            const double angleTimesGap = a[k].cross(v).norm() * gap;
            worst.angle = std::max(worst.angle, angleTimesGap);
            expect(angleTimesGap <= kAxisBound, "sin(axis angle to oracle) * gap", angleTimesGap);
        }

        const PrincipalAxis& axis = r.axes[k];
        const bool same = axis.downCosines == axis.cosines;
        const bool opposite = axis.downCosines == Scaled(axis.cosines, -1.0);
        expect(same || opposite, "downCosines is not +-cosines", axis.downCosines[2]);
        expect(axis.downCosines[2] <= 0, "downCosines points up", axis.downCosines[2]);
        expect(axis.dip >= 0 && axis.dip <= kPi / 2, "dip out of range", axis.dip);
        expect(axis.azimuth >= 0 && axis.azimuth <= 2 * kPi, "azimuth out of range", axis.azimuth);
    }
    return failures;
}

void CheckFamily(const char* name, const Cases& cases)
{
    Worst worst;
    int failedCases = 0, reported = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto convention =
            i % 2 ? AzimuthConvention::azCounterclockwiseFromEast : AzimuthConvention::azClockwiseFromNorth;
        if (CheckCase(cases[i], convention, worst, reported) > 0) ++failedCases;
    }
    std::printf(
        "%s: %zu cases; worst value %.3g, orthonormality %.3g, residual %.3g, "
        "axis angle * gap %.3g (in eps: %.1f, %.1f, %.1f, %.1f)\n",
        name, cases.size(), worst.value, worst.orthonormality, worst.residual, worst.angle,
        worst.value / kEps, worst.orthonormality / kEps, worst.residual / kEps, worst.angle / kEps);
    EXPECT_EQ(failedCases, 0) << name << ": cases with a failed check";
}

TEST(PrincipalAccuracy, RandomOrientations)
{
    CheckFamily("random orientations", MakeFamily(0x5eed0001, 250, 20, RandomOrientation));
}

TEST(PrincipalAccuracy, EqualAndNearlyEqualPairs)
{
    CheckFamily("equal and nearly equal pairs", MakeFamily(0x5eed0002, 25, 2, NearlyEqualPairs));
}

TEST(PrincipalAccuracy, AllThreeEqual)
{
    CheckFamily("all three equal", MakeFamily(0x5eed0003, 20, 10, AllEqual));
}

TEST(PrincipalAccuracy, RandomComponents)
{
    CheckFamily("random components", MakeFamily(0x5eed0004, 150, 20, RandomComponents));
}

TEST(PrincipalAccuracy, TriaxialPairInObliqueFrame)
{
    const StressState s = Rotated(Rotation({0.8, 0.3, -0.45, 0.25}), {5e6, 5e6, 8e6});
    const PrincipalResult r = ComputePrincipalStresses(s, AzimuthConvention::azClockwiseFromNorth);
    EXPECT_LE(std::fabs(r.s1 - 8e6), kValueBound * 8e6) << Describe(s);
    EXPECT_LE(std::fabs(r.s2 - 5e6), kValueBound * 8e6) << Describe(s);
    EXPECT_LE(std::fabs(r.s3 - 5e6), kValueBound * 8e6) << Describe(s);
    Worst worst;
    int reported = 0;
    EXPECT_EQ(CheckCase(s, AzimuthConvention::azClockwiseFromNorth, worst, reported), 0);
}

}  // namespace
}  // namespace tensorium
