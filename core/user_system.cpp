#include "core/user_system.h"

#include <cmath>

#include "core/angles.h"
#include "core/power_scaling.h"
#include "core/tensor_error.h"
#include "core/user_rotations.h"

namespace tensorium {
namespace {

// left * T * right for a stress tensor, scaled by a power of two (exact) so
// that no intermediate sum overflows when the result itself is in range.
StressState Sandwich(const Mat3& left, const StressState& stress, const Mat3& right)
{
    const UnitScaled t = ScaledToUnit(stress);
    const Mat3 s = MatrixProduct(left, MatrixProduct(ToMatrix(t.stress), right));
    auto unscaled = [exponent = t.exponent](double x) {
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
    const UserRotations r = UserRotationsOf(beta, psi, theta);
    UserAxes axes;
    axes.rotation = MatrixProduct(r.a, r.b);
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
