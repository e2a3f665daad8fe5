// Haloed labels kept as ready pixels for painting on screen and into
// images: a label drawn again at the same size, colour and sub-pixel
// position is copied, not shaped and drawn nine times.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;
class QPointF;

namespace tensorium {

// The light, slightly translucent halo round every label.
QColor HaloColour();

// Draws `text` at `baseline` in the painter's pen and font, first in white
// at eight points round the glyphs, shaped once (stroking the outlines
// costs far more, and so does shaping the text nine times).
void DrawHaloPixels(QPainter& painter, const QPointF& baseline, const QString& text, double haloWidth);

class HaloTextCache {
public:
    // The light, slightly translucent halo round every label.
    QColor HaloColour();

    // Draws `text` at `baseline` in the painter's pen and font over a white
    // halo `haloWidth` wide. Returns false, drawing nothing, when the
    // painter's transform is more than a translation: such text is drawn
    // directly.
    bool Draw(QPainter& painter, const QPointF& baseline, const QString& text, double haloWidth);

    int Size() const { return sprites_.size(); }

private:
    struct Sprite {
        QImage image;   // at the device's pixel ratio
        QPoint origin;  // the baseline's whole device pixel within `image`
    };
    static Sprite Render(const QPainter& painter, const QString& text, double haloWidth, double ratio,
                         const QPointF& fraction);

    QHash<QString, Sprite> sprites_;
};

}  // namespace tensorium
