// Every number of the analysis derived step by step, as plain text that a
// student can follow line by line and copy: the tensor and its invariants,
// the principal stresses and axes, the descriptors and the stress regime, the
// user system, the joint, and the special cases in words.
//
// Each quantity is a line "name = formula = value" (the value last), in the
// program's number format: 3 decimals for stresses, 6 for unit vectors and
// cosines, 2 for angles (degrees), 3 for ratios. A subscript is written with
// Unicode subscript characters where each of its letters has one (I₁, σₘ,
// τₘₐₓ, σₙ); otherwise it stays on the line (σvM, σoct, τoct, tlim). Under
// the compatibility normalisation (NFKC) each name reads plainly: I₁ as I1.
#pragma once

#include <string>

#include "core/analysis_model.h"
#include "core/number_format.h"

namespace tensorium {

// `state` after a cycle; `porePressure` lowers the joint's normal stress for
// the effective values, which are shown when it is not 0.
std::string WorkedSolution(const AnalysisState& state, double porePressure,
                           const NumberSeparators& separators);

}  // namespace tensorium
