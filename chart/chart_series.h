// One series of a chart: its points in the order they came, and how they look.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

#include "diagrams/series_sink.h"

namespace tensorium {

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    QString label;
    std::optional<QColor> colour;
};

class TChartSeries : public QObject, public SeriesSink {
    Q_OBJECT
public:
    // A line joins the points in order; points show a cross each; dots a
    // filled disc each, of the marker's horizontal size as radius.
    enum class Kind { Line, Point, Dot };

    TChartSeries(Kind kind, QObject* parent);

    Kind GetKind() const { return kind_; }
    void SetColour(const QColor& colour);
    const QColor& Colour() const { return colour_; }
    // Kept for the window's own use; the chart has no legend to show it.
    void SetTitle(const QString& title) { title_ = title; }
    const QString& Title() const { return title_; }
    bool Visible() const { return visible_; }
    void SetLineWidth(double pixels);
    double LineWidth() const { return lineWidth_; }

    // Half the width and half the height of a point's cross, in px.
    void SetMarkerSize(double horizontal, double vertical);
    double MarkerHorizontalSize() const { return markerHorizontal_; }
    double MarkerVerticalSize() const { return markerVertical_; }
    // Colour of the crosses; an invalid colour draws each in its point's colour.
    void SetMarkerOutline(const QColor& colour);
    const QColor& MarkerOutline() const { return markerOutline_; }

    // Marks write each point's label beside it, black on no background.
    void SetMarksVisible(bool visible);
    bool MarksVisible() const { return marksVisible_; }
    void SetMarksPixelSize(int pixels);
    QFont MarksFont() const;
    const QColor& MarksColour() const { return marksColour_; }

    const std::vector<ChartPoint>& Points() const { return points_; }
    // The point's own colour, or else the series colour.
    QColor PointColour(std::size_t index) const;
    void Append(double x, double y, const QString& label = {}, std::optional<QColor> colour = {});

    void Clear() override;
    void SetVisible(bool visible) override;
    void Add(double x, double y, const std::string& label, std::optional<Rgb> colour) override;

signals:
    // Anything drawn changed; the chart repaints.
    void Changed();

private:
    Kind kind_;
    QColor colour_{Qt::black};
    QString title_;
    bool visible_ = true;
    double lineWidth_ = 1.0;
    double markerHorizontal_ = 5.0;
    double markerVertical_ = 5.0;
    QColor markerOutline_;
    bool marksVisible_ = false;
    int marksPixelSize_ = 12;
    QColor marksColour_{Qt::black};
    std::vector<ChartPoint> points_;
};

}  // namespace tensorium
