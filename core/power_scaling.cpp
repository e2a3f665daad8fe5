#include "core/power_scaling.h"

#include <cmath>

namespace tensorium {

int ScaleExponent(double largest) { return largest > 0 ? std::ilogb(largest) : 0; }

Vec3 TimesPowerOfTwo(const Vec3& v, int exponent)
{
    return {std::ldexp(v[0], exponent), std::ldexp(v[1], exponent), std::ldexp(v[2], exponent)};
}

Mat3 TimesPowerOfTwo(const Mat3& m, int exponent)
{
    return {TimesPowerOfTwo(m[0], exponent), TimesPowerOfTwo(m[1], exponent),
            TimesPowerOfTwo(m[2], exponent)};
}

UnitScaled ScaledToUnit(const StressState& s)
{
    const int e = ScaleExponent(LargestMagnitude(s));
    auto scaled = [e](double x) { return std::ldexp(x, -e); };
    return {{scaled(s.sx), scaled(s.sy), scaled(s.sz), scaled(s.txy), scaled(s.tyz), scaled(s.tzx)}, e};
}

}  // namespace tensorium
