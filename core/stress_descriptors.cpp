#include "core/stress_descriptors.h"

#include <cmath>

#include "core/equal_stresses.h"

namespace tensorium {

StressDescriptors DescribeStress(const StressState& t, const PrincipalResult& principal)
{
    StressDescriptors d;
    const double shearSquares = t.txy * t.txy + t.tyz * t.tyz + t.tzx * t.tzx;
    d.i1 = t.sx + t.sy + t.sz;
    d.i2 = t.sx * t.sy + t.sy * t.sz + t.sz * t.sx - shearSquares;
    d.i3 = Determinant(ToMatrix(t));
    d.mean = MeanStress(t);
    d.deviator = DeviatorOf(t);
    // From the differences of the normal stresses: no cancellation of I1^2 / 3 against I2.
    const double dxy = t.sx - t.sy, dyz = t.sy - t.sz, dzx = t.sz - t.sx;
    d.j2 = (dxy * dxy + dyz * dyz + dzx * dzx) / 6 + shearSquares;
    d.j3 = Determinant(ToMatrix(d.deviator));
    d.vonMises = std::sqrt(3 * d.j2);
    d.octahedralShear = std::sqrt(2 * d.j2 / 3);
    const double s1 = principal.s1, s2 = principal.s2, s3 = principal.s3;
    d.maxShear = (s1 - s3) / 2;
    if (!EqualPrincipalStresses(principal).all) {
        d.stressRatio = (s2 - s3) / (s1 - s3);
        d.lode = (2 * s2 - s1 - s3) / (s1 - s3);
    }
    return d;
}

}  // namespace tensorium
