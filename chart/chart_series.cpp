#include "chart/chart_series.h"

namespace tensorium {

TChartSeries::TChartSeries(Kind kind, QObject* parent) : QObject(parent), kind_(kind) {}

void TChartSeries::SetColour(const QColor& colour)
{
    colour_ = colour;
    emit Changed();
}

void TChartSeries::SetLineWidth(double pixels)
{
    lineWidth_ = pixels;
    emit Changed();
}

void TChartSeries::SetMarkerSize(double horizontal, double vertical)
{
    markerHorizontal_ = horizontal;
    markerVertical_ = vertical;
    emit Changed();
}

void TChartSeries::SetMarkerOutline(const QColor& colour)
{
    markerOutline_ = colour;
    emit Changed();
}

void TChartSeries::SetMarksVisible(bool visible)
{
    marksVisible_ = visible;
    emit Changed();
}

void TChartSeries::SetMarksPixelSize(int pixels)
{
    marksPixelSize_ = pixels;
    emit Changed();
}

QFont TChartSeries::MarksFont() const
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(marksPixelSize_);
    return font;
}

QColor TChartSeries::PointColour(std::size_t index) const
{
    const auto& own = points_.at(index).colour;
    return own ? *own : colour_;
}

void TChartSeries::Append(double x, double y, const QString& label, std::optional<QColor> colour)
{
    points_.push_back({x, y, label, colour});
    emit Changed();
}

void TChartSeries::Clear()
{
    points_.clear();
    emit Changed();
}

void TChartSeries::SetVisible(bool visible)
{
    visible_ = visible;
    emit Changed();
}

void TChartSeries::Add(double x, double y, const std::string& label, std::optional<Rgb> colour)
{
    std::optional<QColor> own;
    if (colour) own = QColor(colour->red, colour->green, colour->blue);
    Append(x, y, QString::fromStdString(label), own);
}

}  // namespace tensorium
