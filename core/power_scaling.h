// Exact scaling by powers of two: dividing a tensor or vector by 2^e, with e
// the binary exponent of its largest component, changes no digit and brings
// every component to at most 2, so that sums of products cannot overflow and
// the result does not depend on the unit of stress.
#pragma once

#include "core/stress_state.h"

namespace tensorium {

// ilogb(largest), the exponent that brings `largest` (>= 0) into [1, 2); 0
// for 0, so that the zero state stays as it is.
int ScaleExponent(double largest);

Vec3 TimesPowerOfTwo(const Vec3& v, int exponent);  // v * 2^exponent, exact
Mat3 TimesPowerOfTwo(const Mat3& m, int exponent);

// The tensor divided by 2^exponent, its largest component in [1, 2).
struct UnitScaled {
    StressState stress;
    int exponent = 0;
};
UnitScaled ScaledToUnit(const StressState& s);

}  // namespace tensorium
