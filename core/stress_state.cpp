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

double MeanStress(const StressState& s) { return (s.sx + s.sy + s.sz) / 3; }

StressState DeviatorOf(const StressState& s)
{
    const double mean = MeanStress(s);
    return {s.sx - mean, s.sy - mean, s.sz - mean, s.txy, s.tyz, s.tzx};
}

double Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Norm(const Vec3& a) { return std::hypot(a[0], a[1], a[2]); }

Vec3 Scaled(const Vec3& a, double factor) { return {a[0] * factor, a[1] * factor, a[2] * factor}; }

Vec3 Sum(const Vec3& a, const Vec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }

Vec3 Difference(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Vec3 MatVec(const Mat3& m, const Vec3& v) { return {Dot(m[0], v), Dot(m[1], v), Dot(m[2], v)}; }

Mat3 MatrixProduct(const Mat3& left, const Mat3& right)
{
    Mat3 product{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) product[i][j] += left[i][k] * right[k][j];
    return product;
}

double Determinant(const Mat3& m)
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

Mat3 Transposed(const Mat3& m)
{
    Mat3 t{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) t[i][j] = m[j][i];
    return t;
}

}  // namespace tensorium
