#include "diagrams/stereonet.h"

#include <cmath>

namespace tensorium {
namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kPrincipalColours[3] = {{0, 128, 0}, {255, 0, 0}, {0, 0, 255}};
const char* const kPrincipalLabels[3] = {"s1", "s2", "s3"};
const Rgb kUserColours[3] = {{0, 0, 128}, {255, 0, 255}, {128, 0, 128}};
const char* const kUserLabels[3] = {"x'", "y'", "z'"};
// The primitive circle's step: 4 degrees written to eight digits, so that its
// 91 points close the circle as the main window has always drawn them.
constexpr double kPrimitiveStepRadians = 0.06981317;
// The smallest |n| a plane's normal keeps: a vertical plane (n = 0) would
// divide by zero, and with n = 1e-5 its arc is the diameter along its strike.
constexpr double kVerticalPlaneN = 1e-5;

}  // namespace

double EqualAreaRadius(double q)
{
    const double depth = 1 - std::sqrt(1 - q);
    return std::sqrt((q + depth * depth) / 2);
}

void PlotGreatCircle(SeriesSink& series, SeriesSink& poles, Rgb colour, const std::string& label, double A,
                     double l, double m, double n, double start, double end)
{
    // A vertical plane would divide by zero; it becomes the diameter along its strike.
    if (std::fabs(n) < kVerticalPlaneN) n = kVerticalPlaneN;
    for (int k = 0; k <= 180; ++k) {
        const double t = start + k * (end - start) / 180;
        const double c = std::cos(t), s = std::sin(t);
        double q = 1 / ((l / n) * (l / n) * c * c + (m / n) * (m / n) * s * s +
                        std::sin(2 * t) * (l * m) / (n * n) + 1);
        if (q > 1) q = 1;
        const double rho = EqualAreaRadius(q);
        series.Add(rho * c, rho * s, {}, colour);
    }
    const double tp = 3 * kPi / 2 - A;
    double qp = 1 - n * n;
    if (qp > 1) qp = 1;
    const double rhop = EqualAreaRadius(qp);
    poles.Add(rhop * std::cos(tp), rhop * std::sin(tp), label, colour);
}

void PlotPlane(SeriesSink& series, SeriesSink& poles, Rgb colour, const std::string& label, double A,
               double B)
{
    const double l = std::sin(B) * (std::sin(A) * 1.0);
    const double m = std::sin(B) * (std::cos(A) * 1.0);
    const double n = std::cos(B) * 1.0;
    const double start = kPi / 2 - (A - kPi / 2);
    const double end = kPi / 2 - (kPi / 2 + A);
    series.Clear();
    PlotGreatCircle(series, poles, colour, label, A, l, m, n, start, end);
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

    for (int i = 0; i <= 90; ++i)
        series.circle->Add(std::cos(i * kPrimitiveStepRadians), std::sin(i * kPrimitiveStepRadians), {},
                           kBlack);

    if (inputs.showPrincipal) {
        for (int k = 0; k < 3; ++k) {
            const PrincipalAxis& axis = inputs.principal->axes[k];
            // Undo the convention the azimuth was stored under: the picture is the same.
            const double trend = inputs.convention == AzimuthConvention::azClockwiseFromNorth
                                     ? axis.azimuth
                                     : kPi / 2 - axis.azimuth;
            PlotPlane(*series.principal[k], *series.poles, kPrincipalColours[k], kPrincipalLabels[k],
                      trend - kPi, kPi / 2 - axis.dip);
        }
    }
    if (inputs.showUser) {
        for (int k = 0; k < 3; ++k)
            PlotPlane(*series.user[k], *series.poles, kUserColours[k], kUserLabels[k],
                      inputs.user->axisAzimuth[k] - kPi, kPi / 2 - inputs.user->axisDip[k]);
    }
    if (inputs.showJoint)
        PlotPlane(*series.joint, *series.poles, kBlack, "joint", inputs.joint->azimuth, inputs.joint->dip);
}

}  // namespace tensorium
