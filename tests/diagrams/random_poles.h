// Poles drawn from a seeded generator, the same on every platform: uniform
// on the sphere, or scattered about a mean direction.
#pragma once

#include <cmath>
#include <random>
#include <vector>

#include "core/angles.h"
#include "core/stress_state.h"

namespace tensorium {

inline double UniformFraction(std::mt19937_64& random) { return (random() >> 11) * 0x1p-53; }

// Uniform on the sphere: the height is uniform (Archimedes), so is the
// azimuth.
inline Vec3 UniformDirection(std::mt19937_64& random)
{
    const double z = 2 * UniformFraction(random) - 1, phi = 2 * kPi * UniformFraction(random);
    const double r = std::sqrt(1 - z * z);
    return {r * std::cos(phi), r * std::sin(phi), z};
}

// Two unit vectors at right angles to each other and to the unit vector v.
inline void Tangents(const Vec3& v, Vec3& u, Vec3& w)
{
    const Vec3 other = std::fabs(v[2]) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    u = Cross(v, other);
    u = Scaled(u, 1 / Norm(u));
    w = Cross(v, u);
}

// The direction at `angle` from the unit vector `mean`, towards `azimuth`
// round it (radians).
inline Vec3 Around(const Vec3& mean, double angle, double azimuth)
{
    Vec3 u, w;
    Tangents(mean, u, w);
    const Vec3 side = Sum(Scaled(u, std::cos(azimuth)), Scaled(w, std::sin(azimuth)));
    return Sum(Scaled(mean, std::cos(angle)), Scaled(side, std::sin(angle)));
}

// Fisher-distributed about `mean` with concentration kappa: the cosine of
// the angle from the mean has a density proportional to e^{kappa cos}.
inline Vec3 FisherDirection(std::mt19937_64& random, const Vec3& mean, double kappa)
{
    const double u = UniformFraction(random);
    const double c = 1 + std::log(std::exp(-2 * kappa) - u * std::expm1(-2 * kappa)) / kappa;
    return Around(mean, std::acos(std::fmin(1.0, c)), 2 * kPi * UniformFraction(random));
}

}  // namespace tensorium
