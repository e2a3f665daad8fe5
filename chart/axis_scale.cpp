#include "chart/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace tensorium {

namespace {

constexpr int kMostSteps = 10;
// Tolerates the rounding of value/step so exact multiples stay exact.
constexpr double kSlack = 1e-9;

// The smallest of 1, 2, 5 times a power of ten that is at least `value`.
double NiceStepAtLeast(double value)
{
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double mantissa : {1.0, 2.0, 5.0, 10.0}) {
        if (mantissa * power >= value * (1.0 - kSlack)) return mantissa * power;
    }
    return 10.0 * power;
}

double NextNiceStep(double step) { return NiceStepAtLeast(step * (1.0 + 1e-6)); }

double Snap(double value, double step)
{
    return std::fabs(value) < step * kSlack ? 0.0 : value;
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
    const double middle = 0.5 * (low + high);
    const double half = middle != 0.0 ? 0.1 * std::fabs(middle) : 1.0;
    low = middle - half;
    high = middle + half;
}

AxisScale FitScale(double low, double high, int minorPerMajor)
{
    WidenDegenerate(low, high);
    AxisScale scale;
    scale.minorPerMajor = minorPerMajor;
    double step = NiceStepAtLeast((high - low) / kMostSteps);
    for (;;) {
        const double first = std::floor(low / step + kSlack) * step;
        const double last = std::ceil(high / step - kSlack) * step;
        if ((last - first) / step <= kMostSteps + kSlack) {
            scale.minimum = std::min(Snap(first, step), low);
            scale.maximum = std::max(Snap(last, step), high);
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
    scale.majorStep = NiceStepAtLeast((maximum - minimum) / kMostSteps);
    return scale;
}

std::vector<double> MajorTicks(const AxisScale& scale)
{
    std::vector<double> ticks;
    const double step = scale.majorStep;
    const long first = std::lround(std::ceil(scale.minimum / step - kSlack));
    const long last = std::lround(std::floor(scale.maximum / step + kSlack));
    for (long k = first; k <= last; ++k) ticks.push_back(Snap(k * step, step));
    return ticks;
}

std::vector<double> MinorTicks(const AxisScale& scale, bool withMajors)
{
    std::vector<double> ticks;
    const int parts = std::max(scale.minorPerMajor, 0) + 1;
    const double step = scale.majorStep / parts;
    const long first = std::lround(std::ceil(scale.minimum / step - kSlack));
    const long last = std::lround(std::floor(scale.maximum / step + kSlack));
    for (long k = first; k <= last; ++k) {
        if (!withMajors && k % parts == 0) continue;
        ticks.push_back(Snap(k * step, step));
    }
    return ticks;
}

int LabelDecimals(double majorStep)
{
    const int exponent = static_cast<int>(std::floor(std::log10(majorStep) + kSlack));
    return std::max(0, -exponent);
}

}  // namespace tensorium
