// The tectonic stress regime read from the plunges of the principal axes by
// the World Stress Map rules. Compression is positive in this program, so the
// table's S1 (most compressive) is s1, the largest, and S3 is s3.
#pragma once

#include "core/principal_solver.h"

namespace tensorium {

enum class StressRegime { normal, normalStrikeSlip, strikeSlip, thrustStrikeSlip, thrust, unknown };

// From the plunges (degrees) of S1, S2, S3:
//   normal:             pl1 >= 52, pl3 <= 35
//   normal strike-slip: 40 <= pl1 < 52, pl3 <= 20
//   strike-slip:        pl1 < 40, pl2 >= 45, pl3 <= 20, or pl1 <= 20, pl2 >= 45, pl3 < 40
//   thrust strike-slip: pl1 <= 20, 40 <= pl3 < 52
//   thrust:             pl1 <= 35, pl3 >= 52
// and unknown otherwise.
StressRegime RegimeFromPlunges(double plunge1, double plunge2, double plunge3);

// The plunges are the dips of the axes' downward ends, taken in degrees
// rounded to two decimals as the program shows them, so that the table read
// by hand from the shown numbers gives the same regime.
StressRegime RegimeOf(const PrincipalResult& principal);
double ShownPlungeDegrees(const PrincipalAxis& axis);

// "normal faulting", "normal faulting with strike-slip", "strike-slip
// faulting", "thrust faulting with strike-slip", "thrust faulting", "unknown".
const char* RegimeName(StressRegime regime);

}  // namespace tensorium
