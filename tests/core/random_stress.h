// Random stress states for the accuracy tests, from fixed seeds so that a
// failure can be replayed.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <random>

#include "core/angles.h"
#include "core/stress_state.h"

namespace tensorium::testing_support {

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    double Unit() { return std::ldexp(static_cast<double>(engine_() >> 11), -53); }  // [0, 1)
    double Signed() { return 2 * Unit() - 1; }                                       // [-1, 1)
    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    // Degrees in [-720, 720]; one in six an exact multiple of 90 (0 included).
    double AngleDegrees() { return Below(6) == 0 ? 90.0 * (Below(17) - 8) : 1440 * Unit() - 720; }
    double Angle() { return DegToRad(AngleDegrees()); }
    std::array<double, 4> Quaternion()  // uniform direction: rejection in the unit 4-ball
    {
        for (;;) {
            const std::array<double, 4> q{Signed(), Signed(), Signed(), Signed()};
            const double n2 = q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3];
            if (n2 > 1e-6 && n2 <= 1) return q;
        }
    }

private:
    std::mt19937_64 engine_;
};

inline Mat3 Rotation(std::array<double, 4> q)
{
    const double n = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
    const double w = q[0] / n, x = q[1] / n, y = q[2] / n, z = q[3] / n;
    return {{{1 - 2 * (y * y + z * z), 2 * (x * y - w * z), 2 * (x * z + w * y)},
             {2 * (x * y + w * z), 1 - 2 * (x * x + z * z), 2 * (y * z - w * x)},
             {2 * (x * z - w * y), 2 * (y * z + w * x), 1 - 2 * (x * x + y * y)}}};
}

// Q diag(d) Q^T in double, symmetrised into the six components.
inline StressState Rotated(const Mat3& q, const Vec3& d)
{
    Mat3 t{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) t[i][j] += q[i][k] * d[k] * q[j][k];
    return {t[0][0],
            t[1][1],
            t[2][2],
            0.5 * t[0][1] + 0.5 * t[1][0],
            0.5 * t[1][2] + 0.5 * t[2][1],
            0.5 * t[2][0] + 0.5 * t[0][2]};
}

}  // namespace tensorium::testing_support
