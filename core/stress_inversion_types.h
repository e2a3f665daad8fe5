// Fault-slip data and the reduced stress that the inversion finds from them.
// Compression is positive; x East, y North, z up.
#pragma once

#include "core/stress_state.h"

namespace tensorium {

// One fault with its slip: the unit normal of the plane (upward) and the
// unit slip of the block the normal points into (the hanging wall), in the
// plane. Turning both round describes the same fault.
struct FaultSlipDatum {
    Vec3 normal{};
    Vec3 slip{};
};

// A fault with the number of times it counts (a bootstrap resample draws a
// fault any number of times); normal and slip unit, the slip in the plane.
struct WeightedFault {
    Vec3 normal{};
    Vec3 slip{};
    double weight = 1;
};

// The shape and orientation of a stress, without its size: the unit
// principal axes of s1 >= s2 >= s3 (compression positive), each pointing
// down (see AxisPointingDown), and R = (s2 - s3) / (s1 - s3) in [0, 1].
struct ReducedStress {
    Vec3 s1{}, s2{}, s3{};
    double ratio = 0;
};

// The reduced tensor with s1 = 1, s2 = R, s3 = 0: s1 s1^T + R s2 s2^T.
Mat3 ReducedTensor(const ReducedStress& stress);
StressState ReducedStressState(const ReducedStress& stress);

// Below this shear traction (in units of s1 - s3) a plane carries no shear
// that gives its slip a direction: a direction from a shear of 1e-9 is still
// good to about 1e-7 radians.
inline constexpr double kNoShear = 1e-9;

// The slip that `stress` drives on the plane of unit `normal`: the unit
// vector along -(T n - (n.T n) n), the hanging wall moving against the shear
// it exerts on the footwall. The zero vector when the shear is below kNoShear
// times the stress's largest component.
Vec3 PredictedSlip(const Mat3& stress, const Vec3& normal);

// The angle in degrees, in [0, 180], between the observed slip and the slip
// `stress` predicts; 90 where the stress puts no shear on the plane.
double MisfitDegrees(const Mat3& stress, const FaultSlipDatum& datum);

// A unit axis turned to point down (z < 0). An axis within kVerticalResidue
// of the horizontal points to an azimuth in [0, 180) degrees clockwise from
// North: to positive x, or to North when it runs North-South.
Vec3 AxisPointingDown(const Vec3& axis);

}  // namespace tensorium
