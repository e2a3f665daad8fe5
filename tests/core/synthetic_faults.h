// Fault-slip data made from a known stress, computed here with Eigen apart
// from the program's own routines: random planes, each slipping along the
// shear the stress puts on it, the slip turned in its plane by a random error.
#pragma once

#include <Eigen/Dense>
#include <cmath>
#include <vector>

#include "core/stress_inversion_types.h"
#include "tests/core/random_stress.h"

namespace tensorium::testing_support {

// A direction from its azimuth clockwise from North and its plunge below the
// horizontal, in degrees.
inline Eigen::Vector3d Trend(double azimuthDegrees, double plungeDegrees)
{
    const double a = azimuthDegrees * kPi / 180, p = plungeDegrees * kPi / 180;
    return {std::sin(a) * std::cos(p), std::cos(a) * std::cos(p), -std::sin(p)};
}

// Principal axes s1, s2, s3 (the columns) and R = (s2 - s3) / (s1 - s3).
struct KnownStress {
    const char* name;
    Eigen::Matrix3d axes;
    double ratio;

    Eigen::Matrix3d Tensor() const  // s1 = 1, s2 = R, s3 = 0
    {
        return axes * Eigen::Vector3d(1, ratio, 0).asDiagonal() * axes.transpose();
    }
};

// s1 along `first`; s2 the part of `second` across it.
inline KnownStress Known(const char* name, const Eigen::Vector3d& first, const Eigen::Vector3d& second,
                         double ratio)
{
    KnownStress stress{name, Eigen::Matrix3d(), ratio};
    stress.axes.col(0) = first.normalized();
    stress.axes.col(1) = (second - first.normalized().dot(second) * first.normalized()).normalized();
    stress.axes.col(2) = stress.axes.col(0).cross(stress.axes.col(1));
    return stress;
}

inline KnownStress Tilted(const char* name, std::uint64_t seed, double ratio)
{
    Random random(seed);
    const Mat3 q = Rotation(random.Quaternion());
    KnownStress stress{name, Eigen::Matrix3d(), ratio};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) stress.axes(i, j) = q[i][j];
    return stress;
}

// A standard normal number by the Box-Muller transform: the same on every
// standard library, unlike std::normal_distribution.
inline double Gaussian(Random& random)
{
    const double u = 1 - random.Unit();  // (0, 1]
    return std::sqrt(-2 * std::log(u)) * std::cos(2 * kPi * random.Unit());
}

inline Vec3 ToVec3(const Eigen::Vector3d& v) { return {v[0], v[1], v[2]}; }

// `count` planes of uniformly random attitude (upward normals) whose slips
// follow -(T n - (n.T n) n), each then turned about its normal by a normal
// random angle of `errorDegrees` standard deviation.
inline std::vector<FaultSlipDatum> SyntheticFaults(const KnownStress& stress, int count, std::uint64_t seed,
                                                   double errorDegrees = 0)
{
    Random random(seed);
    const Eigen::Matrix3d t = stress.Tensor();
    std::vector<FaultSlipDatum> data;
    while (static_cast<int>(data.size()) < count) {
        const double z = random.Unit(), phi = 2 * kPi * random.Unit();
        const double r = std::sqrt(1 - z * z);
        const Eigen::Vector3d n(r * std::cos(phi), r * std::sin(phi), z);
        const Eigen::Vector3d shear = t * n - n.dot(t * n) * n;
        if (shear.norm() < 1e-6) continue;  // a plane with no clear slip direction
        Eigen::Vector3d s = -shear.normalized();
        if (errorDegrees > 0) {
            const double turn = errorDegrees * kPi / 180 * Gaussian(random);
            s = std::cos(turn) * s + std::sin(turn) * n.cross(s);
        }
        data.push_back({ToVec3(n), ToVec3(s)});
    }
    return data;
}

// The angle in degrees between two axes, either sense.
inline double AxisAngleDegrees(const Eigen::Vector3d& a, const Vec3& b)
{
    const Eigen::Vector3d v(b[0], b[1], b[2]);
    return std::atan2(a.cross(v).norm(), std::fabs(a.dot(v))) * 180 / kPi;
}

}  // namespace tensorium::testing_support
