// Writing a plane set and its results as CSV (RFC 4180) for a spreadsheet.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/plane_set.h"

namespace tensorium {

// One plane and what was computed for it; an empty value is left blank.
struct PlaneCsvRow {
    MeasuredPlane plane;
    std::optional<double> sigmaN, tau, sigmaNEff, slipTendency, dilationTendency, safetyFactor, dpCrit;
    bool critical = false;
};

// Comma separated with CRLF line ends and a header row; numbers with 17
// significant digits and a decimal point, whatever the locale, so that
// ReadPlaneCsv gives back the same planes exactly.
std::string PlaneCsv(const std::vector<PlaneCsvRow>& rows);

}  // namespace tensorium
