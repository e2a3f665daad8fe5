// The value range of one axis and its major and minor tick values.
#pragma once

#include <vector>

namespace tensorium {

struct AxisScale {
    double minimum = -1.0;
    double maximum = 1.0;
    double majorStep = 0.5;  // 1, 2 or 5 times a power of ten
    int minorPerMajor = 4;   // minor ticks between two majors

    double Span() const { return maximum - minimum; }
};

// A range that fits [low, high], both ends rounded outwards to a nice step
// chosen so that the range holds at most ten steps.
AxisScale FitScale(double low, double high, int minorPerMajor);

// A fixed range [minimum, maximum] with a nice step for its labels.
AxisScale FixedScale(double minimum, double maximum, int minorPerMajor);

// [low, high] widened around its value when it has no width, so that
// mapping values onto the axis never divides by zero.
void WidenDegenerate(double& low, double& high);

// Multiples of the major step inside the range, ascending.
std::vector<double> MajorTicks(const AxisScale& scale);

// Minor positions inside the range, ascending; majors are left out unless
// `withMajors` (a minor grid then stands in for a hidden major grid).
std::vector<double> MinorTicks(const AxisScale& scale, bool withMajors);

// Decimals a label needs to show the values of the major step.
int LabelDecimals(double majorStep);

}  // namespace tensorium
