// The printed report of the analysis as a page design.
#pragma once

#include "report/report_design.h"

namespace tensorium {

// Title, date, the four sections with their rules, comments and footer;
// every value element is empty until the window fills it.
ReportDesign TensoriumReportDesign();

}  // namespace tensorium
