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
    // The rake the stress predicts, and its angle to the plane's own rake, in
    // degrees (core/fault_slip.h).
    std::optional<double> predictedRake = std::nullopt, misfit = std::nullopt;
};

// One field of a CSV row: quoted when it holds a comma, a quote or a line
// end, or starts or ends with a blank (which a reader trims) or starts with
// '#' (which starts a comment line).
void AppendCsvField(std::string& out, const std::string& text);

// Comma separated with CRLF line ends and the header row
// name,dip_direction,dip,set,sigma_n,tau,sigma_n_eff,slip_tendency,
// dilation_tendency,safety_factor,dp_crit,critical,rake,predicted_rake,misfit
// (one line), the rake from the plane; numbers with 17 significant digits and
// a decimal point, whatever the locale, so that ReadPlaneCsv gives back the
// same planes, rakes included, exactly.
std::string PlaneCsv(const std::vector<PlaneCsvRow>& rows);

}  // namespace tensorium
