#include "core/user_rotations.h"

#include "core/angles.h"

namespace tensorium {

UserRotations UserRotationsOf(double beta, double psi, double theta)
{
    const auto [sb, cb] = SinCosOfTyped(beta);
    const auto [sp, cp] = SinCosOfTyped(psi);
    const auto [st, ct] = SinCosOfTyped(theta);
    UserRotations r;
    r.b = {{{cb, -sb, 0}, {sb * cp, cb * cp, -sp}, {sb * sp, cb * sp, cp}}};
    r.a = {{{ct, st, 0}, {-st, ct, 0}, {0, 0, 1}}};
    return r;
}

}  // namespace tensorium
