#include "core/stress_state.h"

#include <algorithm>
#include <cmath>

namespace tensorium {

Mat3 ToMatrix(const StressState& s)
{
    return {{{s.sx, s.txy, s.tzx}, {s.txy, s.sy, s.tyz}, {s.tzx, s.tyz, s.sz}}};
}

double LargestMagnitude(const StressState& s)
{
    return std::max({std::fabs(s.sx), std::fabs(s.sy), std::fabs(s.sz), std::fabs(s.txy), std::fabs(s.tyz),
                     std::fabs(s.tzx)});
}

double Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Norm(const Vec3& a) { return std::hypot(a[0], a[1], a[2]); }

Vec3 Scaled(const Vec3& a, double factor) { return {a[0] * factor, a[1] * factor, a[2] * factor}; }

}  // namespace tensorium
