#include "core/principal_solver.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/power_scaling.h"
#include "core/tensor_error.h"

namespace tensorium {
namespace {

// A component of a unit axis within this of zero is rounding of an exact
// zero: the solver's axes are orthonormal to 5 eps (measured), and a cosine
// that small shows as 0.000000 anyway.
constexpr double kZeroCosine = 4 * DBL_EPSILON;
// The first component at least this large decides an axis's sense: far above
// the rounding of the axis (a few eps), so the sense does not flip with it.
constexpr double kClearCosine = 1e-6;

Vec3 Unit(int axis)
{
    Vec3 v{0, 0, 0};
    v[axis] = 1;
    return v;
}

Vec3 Normalized(const Vec3& v) { return Scaled(v, 1.0 / Norm(v)); }

// Diagonal tensors (the zero and hydrostatic states among them) have the
// coordinate axes as exact principal axes. Equal values keep the fixed order
// z, y, x, so that a hydrostatic state shows z, -y, x.
EigenSystem SolveDiagonal(const StressState& s)
{
    std::array<std::pair<double, int>, 3> entries{{{s.sz, 2}, {s.sy, 1}, {s.sx, 0}}};
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    EigenSystem result;
    for (int k = 0; k < 3; ++k) {
        result.values[k] = entries[k].first;
        result.vectors[k] = Unit(entries[k].second);
    }
    return result;
}

// v / |v|, also for a v whose length lies below the normal double range
// (scaling by the largest component first keeps 1 / |v| finite).
Vec3 RobustlyNormalized(const Vec3& v)
{
    const double largest = std::max({std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])});
    if (largest == 0) return {0, 0, 0};
    const Vec3 w = TimesPowerOfTwo(v, -ScaleExponent(largest));  // exact, subnormal values included
    return Scaled(w, 1.0 / Norm(w));
}

// The kernel direction of a rank-2 symmetric matrix: the longest cross
// product of two of its rows. Returns a zero vector when every product is 0.
Vec3 KernelDirection(const Mat3& m)
{
    const Vec3 candidates[3] = {Cross(m[0], m[1]), Cross(m[1], m[2]), Cross(m[2], m[0])};
    const Vec3* best = &candidates[0];
    for (const Vec3& c : candidates)
        if (Norm(c) > Norm(*best)) best = &c;
    return RobustlyNormalized(*best);
}

// Any unit vector perpendicular to the unit vector v.
Vec3 Perpendicular(const Vec3& v)
{
    int smallest = 0;
    for (int i = 1; i < 3; ++i)
        if (std::fabs(v[i]) < std::fabs(v[smallest])) smallest = i;
    return Normalized(Cross(v, Unit(smallest)));
}

// Eigen-pairs of the symmetric 2x2 matrix [[a, b], [b, d]] by one Jacobi
// rotation, stable for any ratio of b to a - d.
struct Pair2 {
    double first, second;
    double c, s;  // first vector (c, -s), second (s, c)
};
Pair2 SolveSymmetric2x2(double a, double b, double d)
{
    if (b == 0) return {a, d, 1, 0};
    const double tau = (d - a) / (2 * b);
    const double t = (tau >= 0 ? 1.0 : -1.0) / (std::fabs(tau) + std::hypot(1.0, tau));
    const double c = 1 / std::hypot(1.0, t);
    return {a - t * b, d + t * b, c, t * c};
}

// A tensor in which both shears of one axis are zero decouples: that axis is
// an exact principal axis with its diagonal value, and the other two form an
// exact 2x2 problem. Solving it so keeps the values that decimal arithmetic
// puts on a rounding tie (0.0655 - 0.115 = -0.0495) free of the cubic's
// rounding. Returns false when no axis decouples.
bool SolveDecoupled(const StressState& s, EigenSystem& out)
{
    const double diagonal[3] = {s.sx, s.sy, s.sz};
    int axis;
    double shear;  // of the other two axes, in cyclic order after `axis`
    if (s.txy == 0 && s.tzx == 0) {
        axis = 0, shear = s.tyz;
    } else if (s.txy == 0 && s.tyz == 0) {
        axis = 1, shear = s.tzx;
    } else if (s.tyz == 0 && s.tzx == 0) {
        axis = 2, shear = s.txy;
    } else {
        return false;
    }
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    // An exact power-of-two scaling keeps the 2x2 arithmetic in range.
    const int e = ScaleExponent(std::max({std::fabs(diagonal[i]), std::fabs(diagonal[j]), std::fabs(shear)}));
    const Pair2 pair =
        SolveSymmetric2x2(std::ldexp(diagonal[i], -e), std::ldexp(shear, -e), std::ldexp(diagonal[j], -e));
    Vec3 first{0, 0, 0}, second{0, 0, 0};
    first[i] = pair.c, first[j] = -pair.s;
    second[i] = pair.s, second[j] = pair.c;
    std::array<std::pair<double, Vec3>, 3> system{{{diagonal[axis], Unit(axis)},
                                                   {std::ldexp(pair.first, e), first},
                                                   {std::ldexp(pair.second, e), second}}};
    std::stable_sort(system.begin(), system.end(),
                     [](const auto& x, const auto& y) { return x.first > y.first; });
    for (int k = 0; k < 3; ++k) {
        out.values[k] = system[k].first;
        out.vectors[k] = system[k].second;
    }
    return true;
}

// Solves a tensor whose largest component lies in [1, 2). Shifted by the
// mean, the trigonometric roots locate the most isolated eigenvalue, whose
// axis comes from the best-conditioned cross product. The other two are
// solved exactly as a 2x2 problem in the plane normal to it, so a nearly
// equal pair keeps every digit and always gets two perpendicular axes.
bool SolveScaled(const Mat3& a, EigenSystem& out)
{
    // Shift by the mean and scale the rest to [1, 2). The deviatoric part can
    // be far smaller than the mean (a nearly hydrostatic state), and at its
    // own scale the rounding of the mean shows as a trace, so the two steps
    // repeat until the scaled part is centred and of order one.
    Mat3 b = a;
    double shift = 0;  // what was taken off the diagonal, unscaled
    int exponent = 0;  // b holds the deviatoric part times 2^-exponent
    for (int pass = 0; pass < 4; ++pass) {
        const double mean = (b[0][0] + b[1][1] + b[2][2]) / 3;
        for (int i = 0; i < 3; ++i) b[i][i] -= mean;
        shift += std::ldexp(mean, exponent);
        double largest = 0;
        for (const Vec3& row : b)
            for (double x : row) largest = std::max(largest, std::fabs(x));
        if (largest == 0) return false;
        const int e = ScaleExponent(largest);
        if (e == 0) break;
        b = TimesPowerOfTwo(b, -e);
        exponent += e;
    }

    const double q = (b[0][0] * b[0][0] + b[1][1] * b[1][1] + b[2][2] * b[2][2] +
                      2 * (b[0][1] * b[0][1] + b[0][2] * b[0][2] + b[1][2] * b[1][2])) /
                     6;
    if (q == 0) return false;
    const double det = Determinant(b);
    const double sqrtQ = std::sqrt(q);
    const double ratio = std::clamp(det / 2 / (q * sqrtQ), -1.0, 1.0);
    const double theta = std::acos(ratio) / 3;
    double roots[3] = {2 * sqrtQ * std::cos(theta), 2 * sqrtQ * std::cos(theta + 4 * kPi / 3),
                       2 * sqrtQ * std::cos(theta + 2 * kPi / 3)};
    std::sort(roots, roots + 3, [](double x, double y) { return x > y; });

    const bool topIsolated = roots[0] - roots[1] >= roots[1] - roots[2];
    const double isolatedRoot = topIsolated ? roots[0] : roots[2];
    Mat3 shifted = b;
    for (int i = 0; i < 3; ++i) shifted[i][i] -= isolatedRoot;
    const Vec3 isolated = KernelDirection(shifted);
    if (Norm(isolated) == 0) return false;

    const Vec3 u = Perpendicular(isolated);
    const Vec3 w = Cross(isolated, u);
    const Vec3 bu = MatVec(b, u), bw = MatVec(b, w);
    const Pair2 pair = SolveSymmetric2x2(Dot(u, bu), Dot(u, bw), Dot(w, bw));
    const Vec3 firstVector = Difference(Scaled(u, pair.c), Scaled(w, pair.s));
    const Vec3 secondVector = Sum(Scaled(u, pair.s), Scaled(w, pair.c));

    // The Rayleigh quotient refines the isolated value with its final axis.
    std::array<std::pair<double, Vec3>, 3> system{{{Dot(isolated, MatVec(b, isolated)), isolated},
                                                   {pair.first, firstVector},
                                                   {pair.second, secondVector}}};
    std::stable_sort(system.begin(), system.end(),
                     [](const auto& x, const auto& y) { return x.first > y.first; });
    for (int k = 0; k < 3; ++k) {
        out.values[k] = std::ldexp(system[k].first, exponent) + shift;
        out.vectors[k] = system[k].second;
    }
    return true;
}

// Gives axis k (0..2) the sense described in the header. Components within
// rounding of zero are made exactly zero, so that a horizontal or vertical
// axis does not depend on the sign of a residue.
Vec3 Oriented(Vec3 v, int k)
{
    for (double& component : v)
        if (std::fabs(component) <= kZeroCosine) component = 0;
    const double wanted = (k == 1) ? -1.0 : 1.0;
    for (int component : {2, 0, 1}) {
        if (std::fabs(v[component]) > kClearCosine) {
            return v[component] * wanted < 0 ? Scaled(v, -1.0) : v;
        }
    }
    return v;
}

}  // namespace

EigenSystem SolveSymmetricEigen(const StressState& stress)
{
    if (stress.txy == 0 && stress.tyz == 0 && stress.tzx == 0) return SolveDiagonal(stress);
    if (EigenSystem decoupled; SolveDecoupled(stress, decoupled)) return decoupled;

    // Scaling by a power of two is exact and keeps every intermediate value
    // in range, so the result does not depend on the unit of stress.
    const UnitScaled scaled = ScaledToUnit(stress);
    const int exponent = scaled.exponent;
    const Mat3 a = ToMatrix(scaled.stress);

    EigenSystem result;
    if (!SolveScaled(a, result)) {
        // Equal eigenvalues to the last bit: any frame is principal.
        StressState diagonal{stress.sx, stress.sy, stress.sz, 0, 0, 0};
        result = SolveDiagonal(diagonal);
        const double mean = (a[0][0] + a[1][1] + a[2][2]) / 3;
        result.values = {mean, mean, mean};
    }
    for (double& value : result.values) value = std::ldexp(value, exponent);
    return result;
}

PrincipalResult ComputePrincipalStresses(const StressState& stress, AzimuthConvention convention)
{
    const EigenSystem eigen = SolveSymmetricEigen(stress);
    PrincipalResult result;
    result.s1 = eigen.values[0];
    result.s2 = eigen.values[1];
    result.s3 = eigen.values[2];
    for (double value : eigen.values) RequireFinite(value);

    for (int k = 0; k < 3; ++k) {
        PrincipalAxis& axis = result.axes[k];
        axis.cosines = Oriented(eigen.vectors[k], k);
        axis.downCosines = PointingDown(axis.cosines);
        const Orientation orientation = OrientationOfDownward(axis.downCosines, convention);
        axis.azimuth = orientation.azimuth;
        axis.dip = orientation.dip;
    }
    // Only the displayed cosines of axis 1 turn for a right-handed set.
    const auto& axes = result.axes;
    if (Dot(axes[0].cosines, Cross(axes[1].cosines, axes[2].cosines)) < 0)
        result.axes[0].cosines = Scaled(axes[0].cosines, -1.0);
    return result;
}

}  // namespace tensorium
