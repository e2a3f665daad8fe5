#include "diagrams/stereonet.h"

#include <cmath>

#include "diagrams/net_geometry.h"

namespace tensorium {
namespace {

const char* const kPrincipalLabels[3] = {"s1", "s2", "s3"};
const char* const kUserLabels[3] = {"x'", "y'", "z'"};

void Plot(SeriesSink& series, SeriesSink& poles, Rgb colour, const std::string& label, const NetPlane& plane)
{
    for (const NetPoint& p : plane.arc) series.Add(p.x, p.y, {}, colour);
    poles.Add(plane.pole.x, plane.pole.y, label, colour);
}

}  // namespace

void PlotGreatCircle(SeriesSink& series, SeriesSink& poles, Rgb colour, const std::string& label, double A,
                     double l, double m, double n, double start, double end)
{
    Plot(series, poles, colour, label, PlaneOnNet(A, l, m, n, start, end));
}

void PlotPlane(SeriesSink& series, SeriesSink& poles, Rgb colour, const std::string& label, double A,
               double B)
{
    series.Clear();
    Plot(series, poles, colour, label, PlaneOnNet(A, B));
}

void DrawStereonet(const StereonetSeries& series, const StereonetInputs& inputs)
{
    series.circle->Clear();
    series.joint->Clear();
    series.poles->Clear();
    for (SeriesSink* s : series.principal) s->Clear();

    series.joint->SetVisible(inputs.showJoint);
    for (SeriesSink* s : series.principal) s->SetVisible(inputs.showPrincipal);
    for (SeriesSink* s : series.user) s->SetVisible(inputs.showUser);

    for (const NetPoint& p : PrimitiveCircle()) series.circle->Add(p.x, p.y, {}, palette::kBlack);

    if (inputs.showPrincipal) {
        for (int k = 0; k < 3; ++k) {
            const PrincipalAxis& axis = inputs.principal->axes[k];
            // Undo the convention the azimuth was stored under: the picture is the same.
            const double trend = inputs.convention == AzimuthConvention::azClockwiseFromNorth
                                     ? axis.azimuth
                                     : kPi / 2 - axis.azimuth;
            PlotPlane(*series.principal[k], *series.poles, palette::kSigma[k], kPrincipalLabels[k],
                      trend - kPi, kPi / 2 - axis.dip);
        }
    }
    if (inputs.showUser) {
        for (int k = 0; k < 3; ++k)
            PlotPlane(*series.user[k], *series.poles, palette::kUserAxis[k], kUserLabels[k],
                      inputs.user->axisAzimuth[k] - kPi, kPi / 2 - inputs.user->axisDip[k]);
    }
    if (inputs.showJoint)
        PlotPlane(*series.joint, *series.poles, palette::kJoint, "joint", inputs.joint->azimuth,
                  inputs.joint->dip);
}

}  // namespace tensorium
