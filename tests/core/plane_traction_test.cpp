// The stresses on a plane against the same formulas in long double (eleven
// more bits), on random states and planes; principal planes and hydrostatic
// states carry exactly no shear; a small deviator under a large mean keeps
// its digits.
#include "core/plane_traction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "core/joint.h"
#include "tests/core/random_stress.h"

namespace tensorium {
namespace {

using testing_support::Random;
using testing_support::Rotated;
using testing_support::Rotation;

// tau of the deviator in long double on the unit normal n / |n|. The mean's
// rounding adds a multiple of I, which carries no shear.
long double ExactTau(const StressState& s, const Vec3& n)
{
    const long double mean = (static_cast<long double>(s.sx) + s.sy + s.sz) / 3;
    const long double t[3][3] = {
        {s.sx - mean, s.txy, s.tzx}, {s.txy, s.sy - mean, s.tyz}, {s.tzx, s.tyz, s.sz - mean}};
    const long double length =
        std::sqrt(static_cast<long double>(n[0]) * n[0] + static_cast<long double>(n[1]) * n[1] +
                  static_cast<long double>(n[2]) * n[2]);
    long double u[3], tu[3], sigma = 0, squares = 0;
    for (int i = 0; i < 3; ++i) u[i] = n[i] / length;
    for (int i = 0; i < 3; ++i) tu[i] = t[i][0] * u[0] + t[i][1] * u[1] + t[i][2] * u[2];
    for (int i = 0; i < 3; ++i) sigma += u[i] * tu[i];
    for (int i = 0; i < 3; ++i) squares += (tu[i] - sigma * u[i]) * (tu[i] - sigma * u[i]);
    return std::sqrt(squares);
}

double DeviatorSize(const StressState& s) { return LargestMagnitude(DeviatorOf(s)); }

// Random principal values, an equal pair, a nearly hydrostatic state (the
// deviator down to 1e-14 of the mean) rotated or not, and six random components.
StressState RandomState(Random& r, double scale)
{
    const Mat3 q = Rotation(r.Quaternion());
    static const double gaps[] = {1e-3, 1e-6, 1e-9, 1e-12, 1e-14};
    switch (r.Below(5)) {
        case 0: return Rotated(q, {scale * r.Signed(), scale * r.Signed(), scale * r.Signed()});
        case 1: {
            const double p = scale * r.Signed();
            return Rotated(q, {p, p, p + scale * (0.05 + r.Unit())});
        }
        case 2:
        case 3: {
            const double c = scale * r.Signed(), gap = gaps[r.Below(5)];
            const Vec3 d{c, c * (1 + gap * r.Signed()), c * (1 + gap * r.Signed())};
            return r.Below(2) ? Rotated(q, d) : StressState{d[0], d[1], d[2], 0, 0, 0};
        }
        default:
            return {scale * r.Signed(), scale * r.Signed(), scale * r.Signed(),
                    scale * r.Signed(), scale * r.Signed(), scale * r.Signed()};
    }
}

// In units of eps times the largest component of the deviator: about twice
// the worst error measured (2.48 here, 2.84 over ten times as many cases); a
// shear stress counted as 0 may lie kShearNoise further from the exact value.
constexpr double kTauTolerance = 6;
// The direction's length - 1 in eps (worst measured 2.00), and its part
// along n in eps max|S| / tau (worst 2.52): about twice those.
constexpr double kLengthTolerance = 4, kAcrossTolerance = 5;

TEST(PlaneTraction, ShearAgainstLongDouble)
{
    Random r(0x9a7e0001);
    double worst = 0, worstLength = 0, worstAcross = 0;
    for (int e = -6; e <= 9; ++e) {
        for (int i = 0; i < 2000; ++i) {
            const StressState s = RandomState(r, std::pow(10.0, e));
            const Vec3 n = JointNormal({r.Angle(), r.Angle(), 0, 0});
            const PlaneTraction on = TractionOnPlane(n, s);
            const double unit = DBL_EPSILON * DeviatorSize(s);
            const double error = static_cast<double>(std::fabs(on.tau - ExactTau(s, n))) / unit;
            if (on.tau != 0) worst = std::max(worst, error);
            ASSERT_LE(error, on.tau == 0 ? kTauTolerance + kShearNoise : kTauTolerance)
                << "scale 1e" << e << ", case " << i;
            ASSERT_EQ(Norm(on.shearTraction), on.tau);
            if (on.tau > 0) {
                ASSERT_TRUE(on.shearDirection);
                const Vec3& d = *on.shearDirection;
                worstLength = std::max(worstLength, std::fabs(Norm(d) - 1) / DBL_EPSILON);
                // The part along n is rounding of S n, of the size of S, in a vector of length tau.
                const double across = std::fabs(Dot(d, n)) * on.tau / unit;
                worstAcross = std::max(worstAcross, across);
                ASSERT_LE(std::fabs(Norm(d) - 1), kLengthTolerance * DBL_EPSILON);
                ASSERT_LE(across, kAcrossTolerance);
            }
        }
    }
    std::printf(
        "worst |tau - exact| = %.2f eps max|S|, direction: length - 1 %.2f eps, along n %.2f eps max|S| / "
        "tau\n",
        worst, worstLength, worstAcross);
}

// Planes typed in degrees whose exact normals are principal: every one of
// them lies within the rounding of its angles of a principal plane.
TEST(PlaneTraction, TypedPrincipalPlanesCarryNoShear)
{
    Random r(0x9a7e0002);
    for (int i = 0; i < 20000; ++i) {
        const double scale = std::pow(10.0, r.Below(16) - 6);
        const double a = scale * r.Signed(), b = scale * r.Signed(), t = scale * r.Signed();
        const int turn = r.Below(5) - 2, half = r.Below(5) - 2;  // typed within 450 degrees of zero
        StressState s;
        double azimuth, dip;  // degrees
        switch (r.Below(3)) {
            case 0: s = {a, b, a, 0, 0, t}, azimuth = 90 + 180.0 * turn, dip = 45 + 90.0 * half; break;
            case 1: s = {a, a, b, t, 0, 0}, azimuth = 45 + 90.0 * turn, dip = 90 + 180.0 * half; break;
            default: s = {b, a, a, 0, t, 0}, azimuth = 180.0 * turn, dip = 45 + 90.0 * half; break;
        }
        const PlaneTraction on = TractionOnPlane(JointNormal({DegToRad(azimuth), DegToRad(dip), 0, 0}), s);
        ASSERT_EQ(on.tau, 0) << "azimuth " << azimuth << ", dip " << dip << ", case " << i;
        EXPECT_EQ(on.shearTraction, (Vec3{0, 0, 0}));
        EXPECT_FALSE(on.shearDirection);
    }
}

TEST(PlaneTraction, HydrostaticStatesCarryNoShear)
{
    Random r(0x9a7e0003);
    for (int i = 0; i < 2000; ++i) {
        const double p = std::pow(10.0, r.Below(600) - 300) * r.Signed();
        const Vec3 n = JointNormal({r.Angle(), r.Angle(), 0, 0});
        const PlaneTraction on = TractionOnPlane(n, {p, p, p, 0, 0, 0});
        ASSERT_EQ(on.tau, 0) << p;
        EXPECT_FALSE(on.shearDirection);
        EXPECT_NEAR(on.sigma, p, 4 * DBL_EPSILON * std::fabs(p));
    }
}

// Just off a principal plane the shear is real, however small: a millionth of
// a degree leaves 3.5e-8 of the deviator, far above the noise.
TEST(PlaneTraction, ShearJustOffAPrincipalPlaneStays)
{
    const StressState s{0, 0, 0, 0, 0, 6.432210026966445};
    for (double off : {1e-6, -1e-6, 1e-9}) {
        const Vec3 n = JointNormal({DegToRad(90), DegToRad(45 + off), 0, 0});
        const PlaneTraction on = TractionOnPlane(n, s);
        EXPECT_GT(on.tau, 0) << off;
        EXPECT_NEAR(on.tau, static_cast<double>(ExactTau(s, n)), kTauTolerance * DBL_EPSILON * 6.5) << off;
        ASSERT_TRUE(on.shearDirection);
    }
}

// A deviator of 1e-10 under a mean of 0.36: T n - sigma n would keep six
// digits of tau; from the deviator it keeps all of them.
TEST(PlaneTraction, SmallDeviatorUnderALargeMeanKeepsItsDigits)
{
    const StressState s{0.3592612733461492, 0.3592612735297697, 0.35926127353213677, 0, 0, 0};
    Random r(0x9a7e0004);
    for (int i = 0; i < 1000; ++i) {
        const Vec3 n = JointNormal({r.Angle(), r.Angle(), 0, 0});
        const double tau = TractionOnPlane(n, s).tau;
        EXPECT_NEAR(tau, static_cast<double>(ExactTau(s, n)), kTauTolerance * DBL_EPSILON * DeviatorSize(s))
            << i;
    }
}

}  // namespace
}  // namespace tensorium
