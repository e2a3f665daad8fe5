#include "diagrams/mohr_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/angles.h"
#include "core/mohr_coulomb.h"

namespace tensorium {
namespace {

// Room round the diagram, as a part of its span.
constexpr double kMarginFraction = 0.06;
// The smallest span of a frame: stresses tinier than this (subnormal ones)
// get it, so that the pixels per unit stay finite; it is far below every
// typed stress.
constexpr double kSmallestSpan = 1e-300;

void AppendArc(std::vector<MohrPoint>& points, double si, double sj, int segments)
{
    for (int k = 0; k <= segments; ++k) {
        const double a = kPi * k / segments;
        // From si to sj over the top, whichever is larger.
        const MohrPoint p = MohrCirclePoint(si >= sj ? a : -a, si, sj);
        points.push_back({p.sigma, std::fabs(p.tau)});
    }
}

}  // namespace

MohrPoint MohrCirclePoint(double a, double si, double sj)
{
    const double radius = si * 0.5 - sj * 0.5, centre = si * 0.5 + sj * 0.5;
    const double sigma = std::clamp(std::cos(a) * radius + centre, std::min(si, sj), std::max(si, sj));
    return {sigma, std::sin(a) * radius};
}

std::vector<MohrPoint> UpperHalfCircle(double si, double sj, int segments)
{
    std::vector<MohrPoint> points;
    points.reserve(static_cast<size_t>(segments) + 1);
    AppendArc(points, si, sj, segments);
    return points;
}

std::vector<MohrPoint> PlaneRegion(double s1, double s2, double s3, int segments)
{
    std::vector<MohrPoint> points;
    points.reserve(3 * (static_cast<size_t>(segments) + 1));
    AppendArc(points, s1, s3, segments);
    AppendArc(points, s3, s2, segments);
    AppendArc(points, s2, s1, segments);
    return points;
}

MohrSegment EnvelopeSegment(double phiDegrees, double c, double sigmaHigh, double tauHigh)
{
    const double tanPhi = FrictionCoefficient(phiDegrees);
    MohrSegment segment;
    if (!(sigmaHigh > 0) || !(c <= tauHigh)) return segment;
    double sigmaEnd = sigmaHigh;
    if (tanPhi > 0) sigmaEnd = std::min(sigmaEnd, (tauHigh - c) / tanPhi);
    if (!(sigmaEnd > 0)) return segment;
    segment.from = {0, c};
    segment.to = {sigmaEnd, c + tanPhi * sigmaEnd};
    segment.present = true;
    return segment;
}

MohrFrame FitMohrFrame(const PlotRect& room, const MohrExtent& extent, double headPx)
{
    double low = extent.sigmaLow, high = extent.sigmaHigh, top = std::max(extent.tauTop, 0.0);
    // Halves, so that stresses near the double range do not overflow.
    double halfSpan = std::max(high * 0.5 - low * 0.5, top * 0.5);
    if (!(halfSpan > 0)) {
        // Nothing but a point: the origin gets a unit round it, another point its own size.
        const double half = low == 0 ? 0.5 : std::fabs(low) * 0.5;
        low -= half, high += half;
        halfSpan = high * 0.5 - low * 0.5;
    }
    halfSpan = std::max(halfSpan, kSmallestSpan);
    low -= 2 * kMarginFraction * halfSpan, high += 2 * kMarginFraction * halfSpan;
    top += 2 * kMarginFraction * halfSpan;
    const double width = std::max(room.width, 1.0), height = std::max(room.height, 1.0);
    // The head never takes more than three quarters of the room.
    const double head = std::clamp(headPx, 0.0, 0.75 * height);
    MohrFrame f;
    f.pxPerUnit = std::min(width * 0.5 / (high * 0.5 - low * 0.5), (height - head) / top);
    f.sigmaLow = low;
    f.sigmaHigh = high;
    f.tauHigh = top + head / f.pxPerUnit;
    const double plotWidth = (high * 0.5 - low * 0.5) * 2 * f.pxPerUnit,
                 plotHeight = top * f.pxPerUnit + head;
    f.plot = {room.left + width / 2 - plotWidth / 2, room.top + height / 2 - plotHeight / 2, plotWidth,
              plotHeight};
    return f;
}

AxisTicks RoundTicks(double low, double high, int most)
{
    most = std::max(most, 3);
    AxisTicks ticks;
    if (!std::isfinite(low) || !std::isfinite(high)) return ticks;
    if (low > high) std::swap(low, high);
    if (!(high > low)) {
        const double half = low == 0 ? 0.5 : std::fabs(low) * 0.5;
        low -= half, high += half;
    }
    // The largest round step at or below span / most, then larger ones
    // until the ticks are few enough: each is at most 2.5 times the last,
    // so the ticks never drop below most / 2.5.
    const double raw = (high * 0.5 - low * 0.5) / most * 2;
    int exponent = static_cast<int>(std::floor(std::log10(raw)));
    const double leading = raw / std::pow(10.0, exponent);
    int mantissa = leading >= 5 ? 2 : leading >= 2 ? 1 : 0;
    constexpr double kMantissas[3] = {1, 2, 5};
    for (int attempt = 0; attempt < 12; ++attempt) {
        const double step = kMantissas[mantissa] * std::pow(10.0, exponent);
        if (!(step > 0) || !std::isfinite(step)) break;
        const double first = std::ceil(low / step), last = std::floor(high / step);
        if (last - first + 1 <= most) {
            ticks.firstIndex = first;
            ticks.step = step;
            ticks.count = static_cast<int>(std::max(last - first + 1, 0.0));
            return ticks;
        }
        if (++mantissa == 3) mantissa = 0, ++exponent;
    }
    return ticks;
}

namespace {

// The decimal exponent of a positive value; the nudge keeps a power of ten
// that log10 rounds to just below its integer (1e-5) in its own decade.
int DecimalExponent(double positive) { return static_cast<int>(std::floor(std::log10(positive) + 1e-9)); }

}  // namespace

std::string TickText(double value, const AxisTicks& ticks, const std::string& decimalSeparator)
{
    const double step = ticks.step;
    if (!std::isfinite(value) || !(step > 0) || !std::isfinite(step)) return {};
    // A multiple of the step that rounding left beside zero is zero.
    if (std::fabs(value) < step * 1e-6) value = 0;
    const int stepExponent = DecimalExponent(step);
    const double largest =
        ticks.count > 0 ? std::max(std::fabs(ticks.Value(0)), std::fabs(ticks.Value(ticks.count - 1))) : 0;
    char buffer[64];
    std::string text;
    if (stepExponent >= -5 && std::max(largest, std::fabs(value)) < 1e6) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                       std::max(0, -stepExponent))
                             .ptr;
        text.assign(buffer, end);
        if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
    } else if (value == 0) {
        text = "0";
    } else {
        const int precision = std::max(0, DecimalExponent(std::fabs(value)) - stepExponent);
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision)
                .ptr;
        text.assign(buffer, end);
        // "2.5e+12" -> "2.5e12", "5e-05" -> "5e-5".
        const size_t e = text.find('e');
        std::string exponent = text.substr(e + 1);
        const bool negative = exponent[0] == '-';
        exponent.erase(0, 1);
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
        text = text.substr(0, e) + "e" + (negative ? "-" : "") + exponent;
    }
    const size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
    return text;
}

}  // namespace tensorium
