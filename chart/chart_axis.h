// One axis of a chart: its range, where it is drawn, its labels and grids.
#pragma once

#include <QColor>
#include <QString>

#include <optional>

#include "chart/axis_scale.h"

namespace tensorium {

// The smallest and largest value the visible points put on an axis.
struct DataExtent {
    double low = 0.0;
    double high = 0.0;
};

class TChartAxis {
public:
    // Automatic fitting follows the visible points; a fixed range stays put.
    void SetAutomatic(bool automatic) { automatic_ = automatic; }
    bool Automatic() const { return automatic_; }
    // Fixes the range and turns automatic fitting off.
    void SetRange(double minimum, double maximum);
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    // Automatic fitting to [-m, m], so an axis at 50 % lies at value 0.
    void SetSymmetric(bool symmetric) { symmetric_ = symmetric; }
    bool Symmetric() const { return symmetric_; }

    // Where the axis line runs, in percent across the plot (0 = left/bottom edge).
    void SetPosition(double percent) { position_ = percent; }
    double Position() const { return position_; }
    void SetTitle(const QString& title) { title_ = title; }
    const QString& Title() const { return title_; }

    void SetLabelsVisible(bool visible) { labelsVisible_ = visible; }
    bool LabelsVisible() const { return labelsVisible_; }
    // The least room, in on-screen px, kept beside the plot for the labels.
    void SetLabelSize(double pixels) { labelSize_ = pixels; }
    double LabelSize() const { return labelSize_; }

    void SetGridVisible(bool visible) { gridVisible_ = visible; }
    bool GridVisible() const { return gridVisible_; }
    void SetGridColour(const QColor& colour) { gridColour_ = colour; }
    const QColor& GridColour() const { return gridColour_; }

    void SetMinorGridVisible(bool visible) { minorGridVisible_ = visible; }
    bool MinorGridVisible() const { return minorGridVisible_; }
    void SetMinorGridColour(const QColor& colour) { minorGridColour_ = colour; }
    const QColor& MinorGridColour() const { return minorGridColour_; }
    void SetMinorGridStyle(Qt::PenStyle style) { minorGridStyle_ = style; }
    Qt::PenStyle MinorGridStyle() const { return minorGridStyle_; }
    void SetMinorTickCount(int count) { minorTickCount_ = count; }
    int MinorTickCount() const { return minorTickCount_; }

    // The range drawn: fixed, or fitted to `extent` (no extent: -1..1).
    AxisScale Scale(const std::optional<DataExtent>& extent) const;

private:
    bool automatic_ = true;
    double minimum_ = -1.0;
    double maximum_ = 1.0;
    bool symmetric_ = false;
    double position_ = 0.0;
    QString title_;
    bool labelsVisible_ = true;
    double labelSize_ = 0.0;
    bool gridVisible_ = true;
    QColor gridColour_{192, 192, 192};
    bool minorGridVisible_ = false;
    QColor minorGridColour_{192, 192, 192};
    Qt::PenStyle minorGridStyle_ = Qt::DotLine;
    int minorTickCount_ = 4;
};

}  // namespace tensorium
