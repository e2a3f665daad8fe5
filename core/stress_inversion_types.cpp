#include "core/stress_inversion_types.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"

namespace tensorium {

Mat3 ReducedTensor(const ReducedStress& stress)
{
    Mat3 t{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t[i][j] = stress.s1[i] * stress.s1[j] + stress.ratio * stress.s2[i] * stress.s2[j];
    return t;
}

StressState ReducedStressState(const ReducedStress& stress)
{
    const Mat3 t = ReducedTensor(stress);
    return {t[0][0], t[1][1], t[2][2], t[0][1], t[1][2], t[2][0]};
}

Vec3 PredictedSlip(const Mat3& stress, const Vec3& normal)
{
    double largest = 0;
    for (const Vec3& row : stress)
        for (double value : row) largest = std::max(largest, std::fabs(value));
    const Vec3 traction = MatVec(stress, normal);
    const Vec3 shear = Difference(traction, Scaled(normal, Dot(normal, traction)));
    const double size = Norm(shear);
    if (!(size > kNoShear * largest)) return {0, 0, 0};
    return Scaled(shear, -1 / size);
}

double MisfitDegrees(const Mat3& stress, const FaultSlipDatum& datum)
{
    const Vec3 predicted = PredictedSlip(stress, datum.normal);
    if (predicted == Vec3{0, 0, 0}) return 90;
    // atan2 keeps small angles exact where an arccosine of the dot product
    // loses half the digits.
    return RadToDeg(std::atan2(Norm(Cross(predicted, datum.slip)), Dot(predicted, datum.slip)));
}

Vec3 AxisPointingDown(const Vec3& axis)
{
    if (std::fabs(axis[2]) > kVerticalResidue) return axis[2] > 0 ? Scaled(axis, -1) : axis;
    const bool flip = std::fabs(axis[0]) > kVerticalResidue ? axis[0] < 0 : axis[1] < 0;
    return flip ? Scaled(axis, -1) : axis;
}

}  // namespace tensorium
