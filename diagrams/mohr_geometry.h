// The Mohr diagram as numbers, computed once for every window: points of the
// circles, the region where every plane's point lies, the Mohr-Coulomb
// envelope, the frame that puts them on a plot at one scale both ways, and
// the round steps that number its axes.
#pragma once

#include <string>
#include <vector>

namespace tensorium {

struct MohrPoint {
    double sigma = 0, tau = 0;
};

// The point at angle a (radians, counterclockwise from (si, 0)) of the
// circle through si and sj. Halved before they are added or subtracted, so
// that stresses near the double range do not overflow; sigma is kept
// between the two stresses, its exact range.
MohrPoint MohrCirclePoint(double a, double si, double sj);

// The upper half of the circle through si and sj, from si to sj.
std::vector<MohrPoint> UpperHalfCircle(double si, double sj, int segments = 180);

// The boundary of the region where the points of all planes lie (inside the
// largest circle, outside the two smaller ones), for s1 >= s2 >= s3: the
// upper halves of the circle s1-s3 from s1 to s3, then s3-s2 and s2-s1.
std::vector<MohrPoint> PlaneRegion(double s1, double s2, double s3, int segments = 180);

// The Mohr-Coulomb envelope tau = c + tan(phi) sigma for sigma >= 0, cut at
// sigmaHigh and tauHigh: its two ends, or none when nothing of it is there.
struct MohrSegment {
    MohrPoint from, to;
    bool present = false;
};
MohrSegment EnvelopeSegment(double phiDegrees, double c, double sigmaHigh, double tauHigh);

struct PlotRect {
    double left = 0, top = 0, width = 0, height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

// Where the diagram lies on a plot: sigma from sigmaLow to sigmaHigh left to
// right, tau from 0 up to tauHigh, one scale both ways.
struct MohrFrame {
    double sigmaLow = 0, sigmaHigh = 1, tauHigh = 1;
    double pxPerUnit = 1;
    PlotRect plot;

    double X(double sigma) const { return plot.left + (sigma - sigmaLow) * pxPerUnit; }
    double Y(double tau) const { return plot.Bottom() - tau * pxPerUnit; }
};

// What the frame must hold: sigma from sigmaLow to sigmaHigh (the origin
// included by the caller when it is to be seen) and tau from 0 to tauTop.
struct MohrExtent {
    double sigmaLow = 0, sigmaHigh = 0, tauTop = 0;
};

// The frame in `room` that holds `extent` with a margin of 6 % of its span
// round it and `headPx` pixels free over it (for a legend; at most three
// quarters of the room), one scale both ways, centred in the room. An
// extent of one point gets a span of its magnitude round it (a unit round
// the origin).
MohrFrame FitMohrFrame(const PlotRect& room, const MohrExtent& extent, double headPx = 0);

// Numbered ticks: the multiples of a round step (1, 2 or 5 times a power of
// ten) between low and high, at value(k) = (firstIndex + k) * step.
struct AxisTicks {
    double firstIndex = 0, step = 1;
    int count = 0;
    double Value(int k) const { return (firstIndex + k) * step; }
};

// The smallest round step that puts at most `most` ticks (3 or more) on
// [low, high]; there are then at least most / 2.5 (rounded down) of them. A
// range of zero width is widened to its value's magnitude (or to 1 round 0).
AxisTicks RoundTicks(double low, double high, int most = 8);

// The text of `value` on an axis numbered by `ticks`, with as many decimals
// as the step needs and `decimalSeparator` for the point: fixed when the
// step is at least 1e-5 and every tick under 1e6, otherwise scientific on
// the whole axis ("2.5e12", "5e-301"); never "-0".
std::string TickText(double value, const AxisTicks& ticks, const std::string& decimalSeparator);

}  // namespace tensorium
