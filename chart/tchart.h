// A small chart widget: a bottom and a left axis and the series drawn
// between them, painted alike on screen, on paper and into SVG.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QWidget>

#include <optional>
#include <vector>

#include "chart/chart_axis.h"
#include "chart/chart_frame.h"
#include "chart/chart_note.h"
#include "chart/chart_series.h"

namespace tensorium {

class TChart : public QWidget {
    Q_OBJECT
public:
    explicit TChart(QWidget* parent = nullptr);

    // A new series owned by the chart, found again by its object name;
    // series are drawn in the order they were added.
    TChartSeries* AddSeries(const QString& objectName, TChartSeries::Kind kind);
    const std::vector<TChartSeries*>& Series() const { return series_; }

    // A text drawn over the series at a place of the plot.
    void AddNote(const ChartNote& note);
    const std::vector<ChartNote>& Notes() const { return notes_; }

    TChartAxis& BottomAxis() { return bottom_; }
    const TChartAxis& BottomAxis() const { return bottom_; }
    TChartAxis& LeftAxis() { return left_; }
    const TChartAxis& LeftAxis() const { return left_; }

    // Room above and below everything, in percent of the chart's height.
    void SetMargins(double topPercent, double bottomPercent);
    // One unit is as long across as up, so a circle draws round.
    void SetEqualScales(bool equal);
    bool EqualScales() const { return options_.equalScales; }

    // Draws the whole chart into `target`; pens, fonts and margins grow with
    // `target` as it outgrows the widget's own size.
    void Paint(QPainter& painter, const QRectF& target) const;
    QRectF PlotRect(const QRectF& target) const;
    QPointF ToTarget(const QRectF& target, double x, double y) const;

    // The chart at the widget's size as an SVG document.
    QByteArray ToSvg() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // How much larger than on screen `target` draws.
    double ScaleFor(const QRectF& target) const;
    std::optional<DataExtent> Extent(bool horizontal) const;
    ChartFrame FrameFor(const QRectF& target) const;

    std::vector<TChartSeries*> series_;
    std::vector<ChartNote> notes_;
    TChartAxis bottom_;
    TChartAxis left_;
    FrameOptions options_;
};

}  // namespace tensorium
