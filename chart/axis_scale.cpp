#include "chart/axis_scale.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace tensorium {

namespace {

constexpr int kMostSteps = 10;
// Tolerates the rounding of value/step so exact multiples stay exact.
constexpr double kSlack = 1e-9;
// The nice steps a double holds exactly enough: below the smallest one the
// powers of ten are subnormal, above the largest one 2e308 overflows.
constexpr double kSmallestStep = 1e-307;
constexpr double kLargestStep = 1e308;
// More ticks than any fitted or fixed scale has: a hand-made scale whose step
// is far too small for its range gets none rather than endless ones.
constexpr double kMostTicks = 10000.0;
// Multiples k * step are built from an integer k, exact up to here.
constexpr double kLargestMultiple = 1e15;

// The smallest of 1, 2, 5 times a power of ten that is at least `value`,
// kept within the steps a double holds.
double NiceStepAtLeast(double value)
{
    if (!(value > kSmallestStep)) return kSmallestStep;
    if (value >= kLargestStep) return kLargestStep;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double mantissa : {1.0, 2.0, 5.0, 10.0}) {
        if (mantissa * power >= value * (1.0 - kSlack)) return mantissa * power;
    }
    return 10.0 * power;
}

double NextNiceStep(double step) { return NiceStepAtLeast(step * (1.0 + 1e-6)); }

// A tenth of the width of [low, high], divided first so that a width beyond
// the double range is measured too.
double TenthOfWidth(double low, double high) { return high / kMostSteps - low / kMostSteps; }

double Snap(double value, double step) { return std::fabs(value) < step * kSlack ? 0.0 : value; }

// The multiples of `step` in [lowEnd, highEnd], leaving out every
// `skipEvery`-th; none when the step is unusable or the count beyond reason.
std::vector<double> Multiples(double lowEnd, double highEnd, double step, long long skipEvery)
{
    std::vector<double> values;
    if (!(step > 0.0) || !std::isfinite(step)) return values;
    const double first = std::ceil(lowEnd / step - kSlack);
    const double last = std::floor(highEnd / step + kSlack);
    if (!(std::fabs(first) <= kLargestMultiple && std::fabs(last) <= kLargestMultiple &&
          last - first < kMostTicks))
        return values;
    for (long long k = static_cast<long long>(first); k <= static_cast<long long>(last); ++k) {
        if (skipEvery > 0 && k % skipEvery == 0) continue;
        const double value = Snap(k * step, step);
        // The slack lets the outermost multiple reach just past the range;
        // at the top of the double range that one overflows.
        if (std::isfinite(value)) values.push_back(value);
    }
    return values;
}

}  // namespace

void WidenDegenerate(double& low, double& high)
{
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = -1.0;
        high = 1.0;
        return;
    }
    if (low > high) std::swap(low, high);
    const double magnitude = std::max(std::fabs(low), std::fabs(high));
    if (high - low > 1e-12 * magnitude && high > low) return;
    // The width is tiny here, so neither the middle nor the half overflows;
    // the ends are kept inside the double range and off zero width.
    const double middle = low + 0.5 * (high - low);
    const double half = middle != 0.0 ? std::max(0.1 * std::fabs(middle), kSmallestStep) : 1.0;
    low = std::max(middle - half, -DBL_MAX);
    high = std::min(middle + half, DBL_MAX);
}

AxisScale FitScale(double low, double high, int minorPerMajor)
{
    WidenDegenerate(low, high);
    AxisScale scale;
    scale.minorPerMajor = minorPerMajor;
    double step = NiceStepAtLeast(TenthOfWidth(low, high));
    // Counted in steps, not in values, so that an end rounded outwards past
    // the double range still counts; the largest step always fits.
    for (;;) {
        const double first = std::floor(low / step + kSlack);
        const double last = std::ceil(high / step - kSlack);
        if (last - first <= kMostSteps || step >= kLargestStep) {
            // An end that would overflow stays at the value itself.
            const double minimum = Snap(first * step, step);
            const double maximum = Snap(last * step, step);
            scale.minimum = std::isfinite(minimum) ? std::min(minimum, low) : low;
            scale.maximum = std::isfinite(maximum) ? std::max(maximum, high) : high;
            scale.majorStep = step;
            return scale;
        }
        step = NextNiceStep(step);
    }
}

AxisScale FixedScale(double minimum, double maximum, int minorPerMajor)
{
    WidenDegenerate(minimum, maximum);
    AxisScale scale;
    scale.minimum = minimum;
    scale.maximum = maximum;
    scale.minorPerMajor = minorPerMajor;
    scale.majorStep = NiceStepAtLeast(TenthOfWidth(minimum, maximum));
    return scale;
}

std::vector<double> MajorTicks(const AxisScale& scale)
{
    return Multiples(scale.minimum, scale.maximum, scale.majorStep, 0);
}

std::vector<double> MinorTicks(const AxisScale& scale, bool withMajors)
{
    const long long parts = std::max(scale.minorPerMajor, 0) + 1LL;
    return Multiples(scale.minimum, scale.maximum, scale.majorStep / parts, withMajors ? 0 : parts);
}

int LabelDecimals(double majorStep)
{
    if (!(majorStep > 0.0) || !std::isfinite(majorStep)) return 0;
    const int exponent = static_cast<int>(std::floor(std::log10(majorStep) + kSlack));
    return std::max(0, -exponent);
}

}  // namespace tensorium
