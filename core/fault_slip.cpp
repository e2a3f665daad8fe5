#include "core/fault_slip.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/number_format.h"
#include "core/plane_traction.h"

namespace tensorium {
namespace {

Vec3 Unit(const Vec3& v)
{
    const double length = Norm(v);
    return length > 0 ? Scaled(v, 1 / length) : v;
}

// The rake of the in-plane components, in (-180, 180]; atan2 gives -pi for a
// slip against the strike with a negative zero up the dip.
double RakeOfComponents(double alongStrike, double upDip)
{
    const double rake = RadToDeg(std::atan2(upDip, alongStrike));
    if (rake <= -180 || rake > 180) return 180;
    return rake + 0.0;  // no negative zero
}

// Text of an angle whatever the locale.
std::string Degrees(double value, int decimals) { return FormatNumber(value, decimals, {".", ""}); }

}  // namespace

PlaneFrame FrameOf(const MeasuredPlane& plane)
{
    const auto [sa, ca] = SinCosOfTyped(DegToRad(plane.dipDirection));
    const auto [sd, cd] = SinCosOfTyped(DegToRad(plane.dip));
    PlaneFrame frame;
    frame.strike = {-ca, sa, 0};
    frame.upDip = {-sa * cd, -ca * cd, sd};
    frame.normal = {sa * sd, ca * sd, cd};
    return frame;
}

// TractionOnPlane counts a shear stress of at most kShearNoise (8) eps
// max|S| as none, S the deviator T - sigma_m I: its rounding noise was
// measured at no more than 2.84 eps max|S| over random states, planes and
// scales, so below that bound the shear's direction would be the direction of
// the rounding errors alone. The deviator, not the whole tensor, sets the
// scale because the mean stress pushes only along the normal and adds no
// shear: a nearly hydrostatic state keeps the slip its small deviator drives.
// Since max|S| <= 4/3 max|T|, the threshold is also at most 11 eps max|T|.
std::optional<Vec3> PredictedSlip(const MeasuredPlane& plane, const StressState& stress)
{
    const PlaneTraction on = TractionOnPlane(FrameOf(plane).normal, stress);
    if (!on.shearDirection) return std::nullopt;
    return Scaled(*on.shearDirection, -1.0);
}

std::optional<double> PredictedRake(const MeasuredPlane& plane, const StressState& stress)
{
    const std::optional<Vec3> slip = PredictedSlip(plane, stress);
    if (!slip) return std::nullopt;
    return RakeOf(plane, *slip);
}

double RakeOf(const MeasuredPlane& plane, const Vec3& slipInPlane)
{
    const PlaneFrame frame = FrameOf(plane);
    return RakeOfComponents(Dot(slipInPlane, frame.strike), Dot(slipInPlane, frame.upDip));
}

Vec3 SlipOfRake(const MeasuredPlane& plane, double rakeDegrees)
{
    const PlaneFrame frame = FrameOf(plane);
    const auto [sr, cr] = SinCosOfTyped(DegToRad(rakeDegrees));
    return Unit(Sum(Scaled(frame.strike, cr), Scaled(frame.upDip, sr)));
}

std::optional<SlipSense> ParseSlipSense(std::string_view text)
{
    std::string key;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    if (key == "n" || key == "normal") return SlipSense::Normal;
    if (key == "r" || key == "t" || key == "reverse" || key == "thrust") return SlipSense::Reverse;
    if (key == "d" || key == "dextral" || key == "right-lateral") return SlipSense::Dextral;
    if (key == "s" || key == "sinistral" || key == "left-lateral") return SlipSense::Sinistral;
    return std::nullopt;
}

StriationResult RakeFromStriation(const MeasuredPlane& plane, double trend, double plunge, SlipSense sense)
{
    StriationResult result;
    if (!std::isfinite(trend) || !(plunge >= 0 && plunge <= 90)) {
        result.fault = StriationFault::Angles;
        result.reason = "plunge must lie between 0 and 90";
        if (!std::isfinite(trend)) result.reason = "trend is not a finite number";
        return result;
    }
    const auto [st, ct] = SinCosOfTyped(DegToRad(trend));
    const auto [sp, cp] = SinCosOfTyped(DegToRad(plunge));
    const Vec3 line = {st * cp, ct * cp, -sp};
    const PlaneFrame frame = FrameOf(plane);
    const double alongStrike = Dot(line, frame.strike);
    const double upDip = Dot(line, frame.upDip);
    const double inPlane = std::hypot(alongStrike, upDip);
    const double offPlane = RadToDeg(std::atan2(std::fabs(Dot(line, frame.normal)), inPlane));
    if (offPlane > kStriationOffPlaneDegrees) {
        result.fault = StriationFault::OffPlane;
        result.reason = "striation lies " + Degrees(offPlane, 1) + " degrees off the plane (" +
                        Degrees(kStriationOffPlaneDegrees, 0) + " at most)";
        return result;
    }
    // The component along the direction the sense names, for the line as it
    // is; the slip is the line or its opposite, whichever makes it positive.
    const bool dipSlip = sense == SlipSense::Normal || sense == SlipSense::Reverse;
    double named = 0;
    switch (sense) {
        case SlipSense::Normal: named = -upDip; break;
        case SlipSense::Reverse: named = upDip; break;
        case SlipSense::Dextral: named = -alongStrike; break;
        case SlipSense::Sinistral: named = alongStrike; break;
    }
    if (std::fabs(named) < std::sin(DegToRad(kSenseLeastDegrees)) * inPlane) {
        const char* const names[] = {"normal", "reverse", "dextral", "sinistral"};
        result.fault = StriationFault::Sense;
        result.reason = std::string("is ") + names[static_cast<int>(sense)] +
                        ", but the striation runs within " + Degrees(kSenseLeastDegrees, 0) +
                        (dipSlip ? " degrees of the strike" : " degrees of the dip");
        return result;
    }
    const double sign = named < 0 ? -1.0 : 1.0;
    result.rake = RakeOfComponents(sign * alongStrike, sign * upDip);
    return result;
}

double MisfitDegrees(const Vec3& observed, const Vec3& predicted)
{
    // Unit vectors first, so that the products neither overflow nor underflow.
    const Vec3 a = Unit(observed), b = Unit(predicted);
    return std::min(180.0, RadToDeg(std::atan2(Norm(Cross(a, b)), Dot(a, b))));
}

PlaneSlipFit FitOfSlip(const MeasuredPlane& plane, const StressState& stress)
{
    PlaneSlipFit fit;
    if (!plane.rake) return fit;
    const std::optional<Vec3> predicted = PredictedSlip(plane, stress);
    if (!predicted) return fit;
    fit.predictedRake = RakeOf(plane, *predicted);
    fit.misfit = MisfitDegrees(SlipOfRake(plane, *plane.rake), *predicted);
    return fit;
}

FaultAxes PAndTAxes(const Vec3& normal, const Vec3& slip)
{
    // The hanging wall, on the side of n, moves along s: the material ahead
    // of it is shortened along n - s and drawn out along n + s.
    return {PointingDown(Unit(Difference(normal, slip))), PointingDown(Unit(Sum(normal, slip)))};
}

}  // namespace tensorium
