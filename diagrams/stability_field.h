// A quantity of plane stability over the whole net: the value of every plane,
// placed at its pole, on a square grid over the primitive circle. It depends
// only on the stress, the strength and the pore pressure, not on the joint.
#pragma once

#include <cstddef>
#include <vector>

#include "core/principal_solver.h"
#include "core/stress_state.h"

namespace tensorium {

enum class FieldKind { None = 0, SlipTendency = 1, DilationTendency = 2, SafetyFactor = 3 };

struct FieldInputs {
    StressState stress;
    double s1 = 0, s3 = 0;         // principal stresses of `stress`
    double phiDegrees = 0, c = 0;  // strength, for the safety factor
    double porePressure = 0;

    bool operator==(const FieldInputs& other) const;
};

struct StabilityField {
    FieldKind kind = FieldKind::None;
    int size = 0;                // cells along each side
    std::vector<double> values;  // row-major from North-West; NaN outside or without a value
    double low = 0, high = 0;    // range of the finite values

    // The cell centre of column i, row j on the net (x East, y North).
    double X(int i) const { return -1 + (2 * i + 1.0) / size; }
    double Y(int j) const { return 1 - (2 * j + 1.0) / size; }
    // How far outside the primitive circle cells still hold a value (that of
    // the point on the circle): one and a half cells.
    double Margin() const { return 3.0 / size; }
    double At(int i, int j) const { return values[static_cast<std::size_t>(j) * size + i]; }
};

StabilityField ComputeField(FieldKind kind, const FieldInputs& inputs, int size);

}  // namespace tensorium
