#include "tests/chart/example_charts.h"

#include <cmath>

#include "chart/diagram_charts.h"

namespace tensorium::testing_support {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Lower-hemisphere equal-area position of a line of given trend and plunge
// (degrees), on a net of radius 1.
QPointF EqualArea(double trend, double plunge)
{
    const double radius = std::sqrt(2.0) * std::sin((90.0 - plunge) * kPi / 360.0);
    return {radius * std::sin(trend * kPi / 180.0), radius * std::cos(trend * kPi / 180.0)};
}

// The trace of a plane: 91 lines of the plane from strike to strike; the
// half on the first side red, the rest blue.
void AddGreatCircle(TChartSeries& series, double dipDirection, double dip)
{
    const double a = dipDirection * kPi / 180.0;
    const double d = dip * kPi / 180.0;
    for (int i = 0; i <= 90; ++i) {
        const double t = i * 2.0 * kPi / 180.0;
        // East, north, up of a line in the plane, always pointing down.
        const double east = std::cos(t) * std::cos(a) + std::sin(t) * std::cos(d) * std::sin(a);
        const double north = -std::cos(t) * std::sin(a) + std::sin(t) * std::cos(d) * std::cos(a);
        const double up = -std::sin(t) * std::sin(d);
        const double trend = std::atan2(east, north) * 180.0 / kPi;
        const double plunge = std::asin(std::min(1.0, -up)) * 180.0 / kPi;
        const QPointF p = EqualArea(trend, plunge);
        series.Add(p.x(), p.y(), "", i < 45 ? Rgb{255, 0, 0} : Rgb{0, 0, 255});
    }
}

}  // namespace

std::unique_ptr<TChart> MakeEqualAreaNet()
{
    auto chart = std::make_unique<TChart>();
    chart->setObjectName("EqualAreaNet");
    chart->resize(369, 365);
    SetUpNetChart(*chart);

    TChartSeries* primitive = chart->AddSeries("Series1", TChartSeries::Kind::Line);
    primitive->SetColour(Qt::black);
    for (int i = 0; i <= 180; ++i) {
        const double angle = i * 2.0 * kPi / 180.0;
        primitive->Add(std::cos(angle), std::sin(angle), "", std::nullopt);
    }
    AddGreatCircle(*chart->AddSeries("Series2", TChartSeries::Kind::Line), 120.0, 35.0);
    AddGreatCircle(*chart->AddSeries("Series3", TChartSeries::Kind::Line), 250.0, 70.0);

    TChartSeries* axes = chart->AddSeries("Series4", TChartSeries::Kind::Point);
    axes->SetMarkerSize(5, 5);
    axes->SetMarkerOutline(QColor(192, 192, 192));
    axes->SetMarksVisible(true);
    axes->SetMarksPixelSize(16);
    const struct {
        double trend, plunge;
        const char* label;
    } lines[] = {{30, 50, "s1"}, {160, 25, "s2"}, {265, 30, "s3"},
                 {90, 0, "x'"},  {0, 2, "y'"},    {0, 90, "z'"}};
    for (const auto& line : lines) {
        const QPointF p = EqualArea(line.trend, line.plunge);
        axes->Add(p.x(), p.y(), line.label, std::nullopt);
    }
    return chart;
}

std::unique_ptr<TChart> MakeMohrCircles(const MohrCircle (&circles)[3])
{
    auto chart = std::make_unique<TChart>();
    chart->setObjectName("MohrCircles");
    chart->resize(385, 369);
    SetUpMohrChart(*chart);

    const QColor colours[3] = {QColor(255, 0, 0), QColor(0, 0, 0), QColor(0, 255, 0)};
    for (int c = 0; c < 3; ++c) {
        TChartSeries* series = chart->AddSeries(QString("Series%1").arg(c + 1), TChartSeries::Kind::Line);
        series->SetColour(colours[c]);
        for (int i = 0; i <= 90; ++i) {
            const double angle = i * 4.0 * kPi / 180.0;
            series->Add(circles[c].centre + circles[c].radius * std::cos(angle),
                        circles[c].radius * std::sin(angle), "", std::nullopt);
        }
    }
    return chart;
}

std::unique_ptr<TChart> MakeMohrCircles()
{
    const MohrCircle circles[3] = {{4.530, 4.264}, {6.067, 2.726}, {1.803, 1.538}};
    return MakeMohrCircles(circles);
}

}  // namespace tensorium::testing_support
