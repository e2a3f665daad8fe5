// The Mohr diagram as numbers, computed once for every window: points of the
// circles, the region where every plane's point lies, the Mohr-Coulomb
// envelope, and the frame that puts them on a plot at one scale both ways.
#pragma once

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

// The frame in `room` that holds the circles of s1 >= s3, the point
// (sigma, tau) and the origin, with a margin of 6 % of the span round them
// and 15 % over the largest circle, centred in the room.
MohrFrame FitMohrFrame(const PlotRect& room, double s1, double s3, double sigma, double tau);

}  // namespace tensorium
