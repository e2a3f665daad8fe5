// The symmetric stress tensor in the global system: x East, y North, z up.
// No unit: every stress is in the unit the user types.
#pragma once

#include <array>

namespace tensorium {

using Vec3 = std::array<double, 3>;
using Mat3 = std::array<Vec3, 3>;  // row-major

struct StressState {
    double sx = 0, sy = 0, sz = 0;     // normal stresses on the x, y, z faces
    double txy = 0, tyz = 0, tzx = 0;  // shear stresses
};

// Rows (sx, txy, tzx), (txy, sy, tyz), (tzx, tyz, sz).
Mat3 ToMatrix(const StressState& s);

// The largest absolute component; 0 for the zero state.
double LargestMagnitude(const StressState& s);

// sigma_m = (sx + sy + sz) / 3, and the deviator T - sigma_m I (the same
// shears), which is exactly zero for a hydrostatic state.
double MeanStress(const StressState& s);
StressState DeviatorOf(const StressState& s);

double Dot(const Vec3& a, const Vec3& b);
Vec3 Cross(const Vec3& a, const Vec3& b);
double Norm(const Vec3& a);
Vec3 Scaled(const Vec3& a, double factor);
Vec3 Sum(const Vec3& a, const Vec3& b);
Vec3 Difference(const Vec3& a, const Vec3& b);  // a - b

Vec3 MatVec(const Mat3& m, const Vec3& v);  // m v
Mat3 MatrixProduct(const Mat3& left, const Mat3& right);
Mat3 Transposed(const Mat3& m);
double Determinant(const Mat3& m);  // by the cofactors of the first row

}  // namespace tensorium
