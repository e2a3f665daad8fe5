#include "core/user_system.h"

#include <cmath>

#include "core/angles.h"
#include "core/tensor_error.h"

namespace tensorium {
namespace {

Mat3 Multiply(const Mat3& a, const Mat3& b)
{
    Mat3 product{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) product[i][j] += a[i][k] * b[k][j];
    return product;
}

Mat3 Transposed(const Mat3& a)
{
    Mat3 t{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) t[i][j] = a[j][i];
    return t;
}

// left * T * right for a stress tensor, scaled by a power of two (exact) so
// that no intermediate sum overflows when the result itself is in range.
StressState Sandwich(const Mat3& left, const StressState& stress, const Mat3& right)
{
    const double largest = LargestMagnitude(stress);
    const int exponent = largest > 0 ? std::ilogb(largest) : 0;
    Mat3 t = ToMatrix(stress);
    for (Vec3& row : t)
        for (double& x : row) x = std::ldexp(x, -exponent);
    const Mat3 s = Multiply(left, Multiply(t, right));
    auto unscaled = [exponent](double x) {
        const double value = std::ldexp(x, exponent);
        RequireFinite(value);
        return value;
    };
    return {unscaled(s[0][0]), unscaled(s[1][1]), unscaled(s[2][2]),
            unscaled(s[1][0]), unscaled(s[2][1]), unscaled(s[2][0])};
}

}  // namespace

UserAxes BuildRotationMatrix(double beta, double psi, double theta)
{
    const auto [sb, cb] = SinCosOfTyped(beta);
    const auto [sp, cp] = SinCosOfTyped(psi);
    const auto [st, ct] = SinCosOfTyped(theta);
    const Mat3 b = {{{cb, -sb, 0}, {sb * cp, cb * cp, -sp}, {sb * sp, cb * sp, cp}}};
    const Mat3 a = {{{ct, st, 0}, {-st, ct, 0}, {0, 0, 1}}};

    UserAxes axes;
    axes.rotation = Multiply(a, b);
    for (int i = 0; i < 3; ++i) {
        const Orientation o =
            OrientationOfDownward(PointingDown(axes.rotation[i]), AzimuthConvention::azClockwiseFromNorth);
        axes.axisAzimuth[i] = o.azimuth;
        axes.axisDip[i] = o.dip;
    }
    return axes;
}

StressState TransformToUserSystem(const StressState& global, const Mat3& rotation)
{
    return Sandwich(rotation, global, Transposed(rotation));
}

StressState TransformToGlobalSystem(const StressState& user, const Mat3& rotation)
{
    return Sandwich(Transposed(rotation), user, rotation);
}

}  // namespace tensorium
