// The lower-hemisphere equal-area net: principal axes, user axes and the
// joint, each as a pole (cross) and the arc of its plane.
#pragma once

#include <array>
#include <string>

#include "core/angles.h"
#include "core/joint.h"
#include "core/principal_solver.h"
#include "core/user_system.h"
#include "diagrams/net_geometry.h"
#include "diagrams/series_sink.h"

namespace tensorium {

// The arc of a plane with upward normal (l, m, n) over chart angles start..end
// (181 points) into `series`, and its pole, with `label`, into `poles`.
// A is the normal's azimuth (radians, clockwise from North).
void PlotGreatCircle(SeriesSink& series, SeriesSink& poles, Rgb colour, const std::string& label, double A,
                     double l, double m, double n, double start, double end);

// Empties `series` and draws the plane whose upward normal has azimuth A and
// angle B from the vertical (its dip direction and dip), both in radians.
void PlotPlane(SeriesSink& series, SeriesSink& poles, Rgb colour, const std::string& label, double A,
               double B);

struct StereonetSeries {
    SeriesSink* circle = nullptr;            // seriesCircle
    std::array<SeriesSink*, 3> principal{};  // Series4, Series5, Series6
    std::array<SeriesSink*, 3> user{};       // Series7, Series8, Series9
    SeriesSink* joint = nullptr;             // Series2
    SeriesSink* poles = nullptr;             // Series3
};

struct StereonetInputs {
    const PrincipalResult* principal = nullptr;
    AzimuthConvention convention = AzimuthConvention::azClockwiseFromNorth;
    const UserSystem* user = nullptr;
    const JointPlane* joint = nullptr;
    bool showPrincipal = true, showUser = false, showJoint = false;
};

// Rebuilds the net from the stored results (no Mohr circles).
void DrawStereonet(const StereonetSeries& series, const StereonetInputs& inputs);

}  // namespace tensorium
