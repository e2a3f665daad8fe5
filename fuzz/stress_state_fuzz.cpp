// The whole computation of one stress state, as the window's cycle runs it:
// principal stresses and axes, the stresses in the default user system and on
// the default joint. Bytes 0-47 are sx, sy, sz, txy, tyz, tzx (any bit
// pattern), bit 0 of byte 48 the azimuth convention; shorter inputs are padded
// with zero bytes. Non-finite components are skipped: typed text never reads
// as one. Every result is checked against the tensor itself, in units scaled
// by a power of two so that states near the double range are checked too.
#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "core/angles.h"
#include "core/joint.h"
#include "core/principal_solver.h"
#include "core/tensor_error.h"
#include "core/user_system.h"
#include "fuzz/fuzz_check.h"

namespace {

using tensorium::AzimuthConvention;
using tensorium::JointPlane;
using tensorium::JointResult;
using tensorium::kInvalidOperationMessage;
using tensorium::kOverflowMessage;
using tensorium::kPi;
using tensorium::Mat3;
using tensorium::PrincipalAxis;
using tensorium::PrincipalResult;
using tensorium::StressState;
using tensorium::TensorError;
using tensorium::UserAxes;
using tensorium::Vec3;

constexpr double kTolerance = 1e-9;

bool IsFaultMessage(const std::string& message)
{
    return message == kOverflowMessage || message == kInvalidOperationMessage;
}

double DotOf(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec3 CrossOf(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec3 Apply(const Mat3& m, const Vec3& v) { return {DotOf(m[0], v), DotOf(m[1], v), DotOf(m[2], v)}; }

// The tensor divided by 2^exponent, where 2^exponent <= largest component.
struct ScaledStress {
    int exponent = 0;
    Mat3 m{};
    double quantum = 0;  // the smallest subnormal in these units: results near it lose bits
    double Down(double x) const { return std::ldexp(x, -exponent); }
};

ScaledStress ScaleDown(const StressState& s)
{
    const Mat3 full = {{{s.sx, s.txy, s.tzx}, {s.txy, s.sy, s.tyz}, {s.tzx, s.tyz, s.sz}}};
    double largest = 0;
    for (const Vec3& row : full)
        for (double x : row) largest = std::max(largest, std::fabs(x));
    ScaledStress t;
    t.exponent = largest > 0 ? std::ilogb(largest) : 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) t.m[i][j] = t.Down(full[i][j]);
    t.quantum = t.Down(DBL_TRUE_MIN);
    return t;
}

double FrobeniusNorm(const Mat3& m)
{
    double sum = 0;
    for (const Vec3& row : m)
        for (double x : row) sum += x * x;
    return std::sqrt(sum);
}

// The axis has the documented sense: its first clear component in the order
// N, L, M is positive (wanted = 1) or negative (wanted = -1). Components in
// the doubtful band around the threshold of "clear" are not judged.
void CheckSense(const Vec3& v, double wanted)
{
    for (int component : {2, 0, 1}) {
        const double x = std::fabs(v[component]);
        if (x > 2e-6) {
            FUZZ_CHECK(v[component] * wanted > 0);
            return;
        }
        if (x > 0.5e-6) return;
    }
}

void CheckAxis(const PrincipalAxis& axis, AzimuthConvention convention)
{
    const Vec3& c = axis.cosines;
    const Vec3& d = axis.downCosines;
    for (double x : c) FUZZ_CHECK(std::isfinite(x));
    FUZZ_CHECK(std::fabs(std::sqrt(DotOf(c, c)) - 1) <= kTolerance);
    // The same axis, pointing down (a horizontal one keeps either sense).
    const bool same = d == c;
    const bool reversed = d[0] == -c[0] && d[1] == -c[1] && d[2] == -c[2];
    FUZZ_CHECK(same || reversed);
    FUZZ_CHECK(d[2] <= 0);

    FUZZ_CHECK(axis.azimuth >= 0 && axis.azimuth < 2 * kPi);
    FUZZ_CHECK(axis.dip >= 0 && axis.dip <= kPi / 2);
    const double horizontal = std::hypot(d[0], d[1]);
    FUZZ_CHECK(std::fabs(std::sin(axis.dip) + d[2]) <= kTolerance);
    FUZZ_CHECK(std::fabs(std::cos(axis.dip) - horizontal) <= kTolerance);
    const bool clockwise = convention == AzimuthConvention::azClockwiseFromNorth;
    const double east = horizontal * (clockwise ? std::sin(axis.azimuth) : std::cos(axis.azimuth));
    const double north = horizontal * (clockwise ? std::cos(axis.azimuth) : std::sin(axis.azimuth));
    FUZZ_CHECK(std::fabs(east - d[0]) <= kTolerance && std::fabs(north - d[1]) <= kTolerance);
    // A vertical axis counts as pointing to negative y.
    if (horizontal <= 1e-13) {
        FUZZ_CHECK(axis.dip == kPi / 2);
        FUZZ_CHECK(std::fabs(axis.azimuth - (clockwise ? kPi : 1.5 * kPi)) <= 1e-12);
    }
}

void CheckPrincipal(const StressState& s, const ScaledStress& t, const PrincipalResult& r,
                    AzimuthConvention convention)
{
    const double values[3] = {r.s1, r.s2, r.s3};
    for (double v : values) FUZZ_CHECK(std::isfinite(v));
    FUZZ_CHECK(r.s1 >= r.s2 && r.s2 >= r.s3);

    // A diagonal tensor keeps its diagonal exactly.
    if (s.txy == 0 && s.tyz == 0 && s.tzx == 0) {
        std::array<double, 3> diagonal = {s.sx, s.sy, s.sz};
        std::sort(diagonal.begin(), diagonal.end(), [](double a, double b) { return a > b; });
        FUZZ_CHECK(r.s1 == diagonal[0] && r.s2 == diagonal[1] && r.s3 == diagonal[2]);
    }

    // Invariants: the trace and the sum of squares.
    const double l[3] = {t.Down(r.s1), t.Down(r.s2), t.Down(r.s3)};
    const double slack = 8 * t.quantum;
    FUZZ_CHECK(std::fabs(l[0] + l[1] + l[2] - (t.m[0][0] + t.m[1][1] + t.m[2][2])) <= 1e-12 + 3 * slack);
    const double frobenius = FrobeniusNorm(t.m);
    FUZZ_CHECK(std::fabs(std::sqrt(l[0] * l[0] + l[1] * l[1] + l[2] * l[2]) - frobenius) <=
               1e-12 + 3 * slack);

    // Each axis is an eigenvector of its value, and the set is orthonormal and
    // right-handed.
    for (int k = 0; k < 3; ++k) {
        CheckAxis(r.axes[k], convention);
        const Vec3& v = r.axes[k].cosines;
        const Vec3 tv = Apply(t.m, v);
        const Vec3 residual = {tv[0] - l[k] * v[0], tv[1] - l[k] * v[1], tv[2] - l[k] * v[2]};
        FUZZ_CHECK(std::sqrt(DotOf(residual, residual)) <= kTolerance + slack);
    }
    const Vec3& a = r.axes[0].cosines;
    const Vec3& b = r.axes[1].cosines;
    const Vec3& c = r.axes[2].cosines;
    FUZZ_CHECK(std::fabs(DotOf(a, b)) <= kTolerance && std::fabs(DotOf(b, c)) <= kTolerance &&
               std::fabs(DotOf(c, a)) <= kTolerance);
    FUZZ_CHECK(std::fabs(DotOf(a, CrossOf(b, c)) - 1) <= kTolerance);
    CheckSense(b, -1);
    CheckSense(c, 1);
}

void CheckUserSystem(const ScaledStress& t, const UserAxes& axes, const StressState& u)
{
    const double values[6] = {u.sx, u.sy, u.sz, u.txy, u.tyz, u.tzx};
    for (double v : values) FUZZ_CHECK(std::isfinite(v));
    // S' = R T R^T, evaluated here in scaled units.
    const Mat3& r = axes.rotation;
    Mat3 expected{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                for (int m = 0; m < 3; ++m) expected[i][j] += r[i][k] * t.m[k][m] * r[j][m];
    const double got[6] = {t.Down(u.sx),  t.Down(u.sy),  t.Down(u.sz),
                           t.Down(u.txy), t.Down(u.tyz), t.Down(u.tzx)};
    const double want[6] = {expected[0][0], expected[1][1], expected[2][2],
                            expected[1][0], expected[2][1], expected[2][0]};
    for (int i = 0; i < 6; ++i) FUZZ_CHECK(std::fabs(got[i] - want[i]) <= 1e-12 + 8 * t.quantum);
}

void CheckJoint(const ScaledStress& t, const JointPlane& plane, const JointResult& j)
{
    FUZZ_CHECK(std::isfinite(j.sigma) && std::isfinite(j.tau) && std::isfinite(j.tlim));
    FUZZ_CHECK(j.tau >= 0);
    // The traction on the plane, from the tensor itself: sigma is its normal
    // part, sigma^2 + tau^2 its squared length.
    const Vec3 n = {std::sin(plane.azimuth) * std::sin(plane.dip),
                    std::cos(plane.azimuth) * std::sin(plane.dip), std::cos(plane.dip)};
    const Vec3 traction = Apply(t.m, n);
    const double sigma = t.Down(j.sigma), tau = t.Down(j.tau);
    const double slack = 8 * t.quantum;
    FUZZ_CHECK(std::fabs(sigma - DotOf(n, traction)) <= kTolerance + slack);
    FUZZ_CHECK(std::fabs(sigma * sigma + tau * tau - DotOf(traction, traction)) <= kTolerance + 8 * slack);
    if (j.sigma < 0) {
        FUZZ_CHECK(j.tlim == 0);
    } else {
        const double limit = std::tan(plane.phi * kPi / 180) * j.sigma + plane.c;
        FUZZ_CHECK(std::fabs(j.tlim - limit) <= 1e-12 * std::fabs(limit));
    }
    const std::optional<double> factor = tensorium::SafetyFactor(j);
    if (j.tau == 0 || !std::isfinite(j.tlim / j.tau)) {
        FUZZ_CHECK(!factor.has_value());
    } else {
        FUZZ_CHECK(factor.has_value() && *factor == j.tlim / j.tau);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint8_t bytes[49] = {};
    if (size > 0) std::memcpy(bytes, data, std::min(size, sizeof bytes));  // data may be null when empty
    double c[6];
    std::memcpy(c, bytes, sizeof c);
    for (double x : c)
        if (!std::isfinite(x)) return 0;
    const StressState s{c[0], c[1], c[2], c[3], c[4], c[5]};
    const AzimuthConvention convention = (bytes[48] & 1) ? AzimuthConvention::azCounterclockwiseFromEast
                                                         : AzimuthConvention::azClockwiseFromNorth;

    // Every principal stress and every component in another frame is at most
    // the spectral radius, which lies between |T|/sqrt(3) and |T| (Frobenius):
    // below the double range no fault is allowed, far above it one is required.
    const ScaledStress t = ScaleDown(s);
    const double frobenius = FrobeniusNorm(t.m);
    const double limit = t.Down(DBL_MAX);
    const bool inRange = frobenius < 0.999 * limit;
    const bool beyondRange = frobenius / std::sqrt(3.0) > 1.001 * limit;

    std::optional<PrincipalResult> principal;
    try {
        principal = tensorium::ComputePrincipalStresses(s, convention);
    } catch (const TensorError& error) {
        FUZZ_CHECK_WHY(!inRange && IsFaultMessage(error.what()), error.what());
    }
    if (principal) {
        FUZZ_CHECK(!beyondRange);
        CheckPrincipal(s, t, *principal, convention);
    }

    static const UserAxes axes = tensorium::BuildRotationMatrix(
        tensorium::DegToRad(125), tensorium::DegToRad(30), tensorium::DegToRad(15));
    try {
        CheckUserSystem(t, axes, tensorium::TransformToUserSystem(s, axes.rotation));
    } catch (const TensorError& error) {
        FUZZ_CHECK_WHY(!inRange && IsFaultMessage(error.what()), error.what());
    }

    const JointPlane plane{tensorium::DegToRad(16), tensorium::DegToRad(33), 14, 1};
    try {
        CheckJoint(t, plane, tensorium::ComputeJointStresses(plane, s));
    } catch (const TensorError& error) {
        FUZZ_CHECK_WHY(!inRange && IsFaultMessage(error.what()), error.what());
    }
    return 0;
}
