#include "chart/tchart.h"

#include <QBuffer>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#include "chart/axis_painter.h"
#include "chart/series_painter.h"

namespace tensorium {

// Not marked opaque: at a fractional scale factor the chart's edges fall
// inside device pixels that its antialiased background covers only in part,
// so what lies beneath (the page) must be painted there first.
TChart::TChart(QWidget* parent) : QWidget(parent) {}

TChartSeries* TChart::AddSeries(const QString& objectName, TChartSeries::Kind kind)
{
    auto* series = new TChartSeries(kind, this);
    series->setObjectName(objectName);
    connect(series, &TChartSeries::Changed, this, qOverload<>(&QWidget::update));
    series_.push_back(series);
    update();
    return series;
}

void TChart::AddNote(const ChartNote& note)
{
    notes_.push_back(note);
    update();
}

void TChart::SetMargins(double topPercent, double bottomPercent)
{
    options_.topMarginPercent = topPercent;
    options_.bottomMarginPercent = bottomPercent;
    update();
}

void TChart::SetEqualScales(bool equal)
{
    options_.equalScales = equal;
    update();
}

double TChart::ScaleFor(const QRectF& target) const
{
    if (width() <= 0 || height() <= 0) return 1.0;
    const double scale = std::min(target.width() / width(), target.height() / height());
    return scale > 0.0 ? scale : 1.0;
}

std::optional<DataExtent> TChart::Extent(bool horizontal) const
{
    std::optional<DataExtent> extent;
    for (const TChartSeries* series : series_) {
        if (!series->Visible()) continue;
        for (const ChartPoint& point : series->Points()) {
            const double value = horizontal ? point.x : point.y;
            if (!extent) extent = DataExtent{value, value};
            extent->low = std::min(extent->low, value);
            extent->high = std::max(extent->high, value);
        }
    }
    return extent;
}

namespace {

// `extent` grown about its middle to `width`, where that stays finite.
std::optional<DataExtent> Widened(const std::optional<DataExtent>& extent, double width)
{
    const double middle = extent->low * 0.5 + extent->high * 0.5;
    const DataExtent wide{middle - width * 0.5, middle + width * 0.5};
    if (!std::isfinite(wide.low) || !std::isfinite(wide.high)) return extent;
    return wide;
}

}  // namespace

// The frame at on-screen size: `target` shrunk by its scale.
ChartFrame TChart::FrameFor(const QRectF& target) const
{
    const double scale = ScaleFor(target);
    const QSizeF size = target.size() / scale;
    std::optional<DataExtent> across = Extent(true), up = Extent(false);
    AxisScale x = bottom_.Scale(across);
    AxisScale y = left_.Scale(up);
    if (options_.equalScales && across && up) {
        // Equal scales from the spans alone leave a flat strip for points all
        // on one line (equal stresses): an automatic axis much too short for
        // the room is widened first, so the plot keeps at least half of it.
        FrameOptions unequal = options_;
        unequal.equalScales = false;
        const QRectF room = LayOutFrame(size, unequal, bottom_, left_, x, y).plot;
        const double aspect = room.width() / room.height();
        const double wantedAcross = y.Span() * aspect, wantedUp = x.Span() / aspect;
        if (bottom_.Automatic() && std::isfinite(wantedAcross) && wantedAcross > 2.0 * x.Span())
            x = bottom_.Scale(Widened(across, wantedAcross));
        else if (left_.Automatic() && std::isfinite(wantedUp) && wantedUp > 2.0 * y.Span())
            y = left_.Scale(Widened(up, wantedUp));
    }
    return LayOutFrame(size, options_, bottom_, left_, x, y);
}

void TChart::Paint(QPainter& painter, const QRectF& target) const
{
    const double scale = ScaleFor(target);
    const ChartFrame frame = FrameFor(target);
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0.0, 0.0), target.size() / scale), Qt::white);

    PaintGrids(painter, frame, bottom_, left_);
    PaintAxisLines(painter, frame, bottom_, left_);
    PaintAxisTexts(painter, frame, bottom_, left_);
    painter.setClipRect(frame.plot);
    for (const TChartSeries* series : series_) {
        if (series->GetKind() != TChartSeries::Kind::Dot) PaintSeries(painter, frame, *series);
    }
    // A dot on the plot's edge shows whole, reaching past it by its radius.
    painter.setClipping(false);
    for (const TChartSeries* series : series_) {
        if (series->GetKind() == TChartSeries::Kind::Dot) PaintSeries(painter, frame, *series);
    }
    for (const ChartNote& note : notes_) PaintNote(painter, frame, note);
    painter.restore();
}

QRectF TChart::PlotRect(const QRectF& target) const
{
    const double scale = ScaleFor(target);
    const QRectF plot = FrameFor(target).plot;
    return QRectF(target.topLeft() + plot.topLeft() * scale, plot.size() * scale);
}

QPointF TChart::ToTarget(const QRectF& target, double x, double y) const
{
    return target.topLeft() + FrameFor(target).At(x, y) * ScaleFor(target);
}

QByteArray TChart::ToSvg() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size());
    generator.setViewBox(QRect(QPoint(0, 0), size()));
    generator.setResolution(96);  // pasted at its on-screen size
    generator.setTitle(objectName());
    {
        QPainter painter(&generator);
        Paint(painter, QRectF(QPointF(0.0, 0.0), QSizeF(size())));
    }
    return bytes;
}

void TChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, QRectF(rect()));
}

}  // namespace tensorium
