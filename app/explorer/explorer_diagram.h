// A diagram of the stress explorer: one paint routine for the screen and
// for every file and clipboard picture, everything sized from the target's
// size (lines, markers and text grow with the window) and a text scale.
#pragma once

#include <QString>
#include <QWidget>

#include "app/explorer/halo_text_cache.h"
#include "app/palette_colour.h"
#include "diagrams/palette.h"

class QPainter;

namespace tensorium {

class PlaneSetDocument;

class ExplorerDiagram : public QWidget {
    Q_OBJECT
public:
    explicit ExplorerDiagram(QWidget* parent = nullptr);

    // Draws the whole diagram into `target` (device-independent pixels).
    virtual void Paint(QPainter& painter, const QRectF& target) const = 0;

    // Multiplies every text size (Ctrl++ and Ctrl+- of the window).
    void SetTextScale(double scale);
    double TextScale() const { return textScale_; }

    // The diagram as SVG, or as a PNG image at `pixelRatio` times its size.
    QByteArray ToSvg() const;
    QImage ToImage(double pixelRatio) const;
    // Writes the diagram to `path`: .svg, .pdf or .png by the file's suffix.
    // Returns false (with the reason in `error`) when the file cannot be written.
    bool SaveTo(const QString& path, QString* error) const;
    // Puts the diagram on the clipboard as SVG and PNG.
    void CopyToClipboard() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Repaints whenever the measured planes, their results or the
    // selection change.
    void RepaintOnChangesOf(PlaneSetDocument* planes);
    // A length of `base` px at a 400 px diagram, grown with the target.
    static double Unit(const QRectF& target, double base);
    // The diagrams' font at `base` px of a 400 px diagram, grown with the
    // target and the text scale.
    QFont TextFont(const QRectF& target, double base) const;
    // A line's width: `base` px of a 400 px diagram, grown with the target and
    // the text scale, and never thinner than can be seen from the back of a
    // lecture hall.
    double Line(const QRectF& target, double base) const;
    // Text in the painter's pen and font with a light halo round every glyph,
    // so that it stays readable over any colour of a field or a line.
    void DrawHaloText(QPainter& painter, const QRectF& rect, int flags, const QString& text) const;
    void DrawHaloText(QPainter& painter, const QPointF& baseline, const QString& text) const;

private:
    double textScale_ = 1.0;
    mutable HaloTextCache haloTexts_;
};

}  // namespace tensorium
