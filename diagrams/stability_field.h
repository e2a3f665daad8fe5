// A quantity of plane stability over the whole net: the value of every plane,
// placed at its pole, on a square grid over the primitive circle. It depends
// only on the stress, the strength and the pore pressure, not on the joint.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/principal_solver.h"
#include "core/stress_state.h"
#include "diagrams/net_grid.h"

namespace tensorium {

enum class FieldKind { None = 0, SlipTendency = 1, DilationTendency = 2, SafetyFactor = 3 };

struct FieldInputs {
    StressState stress;
    double s1 = 0, s3 = 0;         // principal stresses of `stress`
    double phiDegrees = 0, c = 0;  // strength, for the safety factor
    double porePressure = 0;

    bool operator==(const FieldInputs& other) const;
};

// The field's values on the grid, NaN outside, without a value or opened.
struct StabilityField : NetGrid {
    FieldKind kind = FieldKind::None;
    // sigma' = sigma - p of the plane at each node; NaN outside. Below zero the
    // pore pressure has opened the plane: it has no friction to speak of, so
    // its slip tendency and safety factor are left out (NaN in `values`) rather
    // than stored as negative or meaningless quotients. Its dilation tendency
    // does not divide by sigma' and is kept.
    std::vector<double> effective;
    int openedNodes = 0;       // nodes with sigma' < 0
    double low = 0, high = 0;  // range of the finite values

    double EffectiveAt(int i, int j) const { return effective[Index(i, j)]; }
    bool Opened(int i, int j) const { return effective[Index(i, j)] < 0; }
};

// The normal and shear stress of the plane at every node of a grid (NaN
// outside): all of the field's work that a change of pore pressure or
// strength leaves as it is.
struct GridStresses {
    int size = 0;
    StressState stress;
    std::vector<double> sigma, tau;

    bool Of(const StressState& stress, int size) const;
};
GridStresses StressesOnGrid(const StressState& stress, int size);

// `size` nodes along each side, at least 5.
StabilityField ComputeField(FieldKind kind, const FieldInputs& inputs, int size);
// The same from the stresses on the grid of `inputs.stress`.
StabilityField ComputeField(FieldKind kind, const FieldInputs& inputs, const GridStresses& stresses);

// The fixed span of a field's colour map, so that the colours keep their
// meaning while the pore pressure changes: values beyond it take the colour
// of its end.
//  - dilation tendency: its whole range, 0 to 1;
//  - safety factor: 0 to 2, failure (1) in the middle;
//  - slip tendency: 0 to 2 tan(phi), so that slip on a cohesionless plane
//    (Ts = tan phi) lies in the middle as SF = 1 does. It depends on the
//    friction angle and never on the pressure; 0 to 1 without friction.
struct ValueRange {
    double low = 0, high = 1;
};
ValueRange FieldRange(FieldKind kind, double phiDegrees);

// The value at which a plane fails: SF = 1, Ts = tan(phi); none for the
// dilation tendency or without friction.
std::optional<double> FailureValue(FieldKind kind, double phiDegrees);

// Whether high values are closer to failure (slip and dilation tendency), or
// low ones (safety factor).
bool FailsHigh(FieldKind kind);

}  // namespace tensorium
