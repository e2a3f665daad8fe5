// The density of the poles of a set of planes over the lower-hemisphere
// equal-area net: a count with exponential smoothing (a modified Kamb count),
// in standard deviations above what a uniform set of as many poles gives.
#pragma once

#include <cstddef>
#include <vector>

#include "core/plane_set.h"
#include "core/stress_state.h"
#include "diagrams/net_grid.h"
#include "diagrams/net_projection.h"

namespace tensorium {

// The count at a direction g of n poles x_i (axes: both ends count) is
//   W(g) = sum_i exp(k (|x_i . g| - 1)),  k = 2 (1 + n / 3^2),
// a weight of 1 at the pole falling to e^-1 where 1 - |cos| = 1 / k. A set of
// n poles drawn uniformly gives W the mean `expected` and the standard
// deviation `deviation`; the density shown is (W - expected) / deviation.
struct KambWeighting {
    double k = 0;
    double expected = 0, deviation = 0;
};
KambWeighting KambWeightingFor(std::size_t poles);

// The density on a grid, NaN beyond the primitive circle and its margin;
// nodes in the margin hold the value on the circle.
struct PoleDensity : NetGrid {
    std::size_t poles = 0;
    KambWeighting weighting;
    // The highest density, found between the nodes, where it is, and the
    // plane (dip direction, dip in degrees) whose pole lies there. Zero at
    // the centre without poles.
    double maximum = 0;
    NetPoint maximumAt;
    double maximumDipDirection = 0, maximumDip = 0;
};

// The downward unit normals of the planes.
std::vector<Vec3> PolesOf(const PlaneSet& planes);

// The density of `poles` (unit vectors, either sense) on a grid of `size`
// nodes along each side (at least 5).
PoleDensity KambDensity(const std::vector<Vec3>& poles, int size);

// The levels to contour: 2, 4, 6, ... standard deviations, up to the maximum.
// The regions at or above each come from RegionAtOrAbove (diagrams/contour.h).
std::vector<double> ContourLevels(const PoleDensity& density);

}  // namespace tensorium
