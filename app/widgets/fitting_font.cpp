#include "app/widgets/fitting_font.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

namespace tensorium {

int NeededTextWidth(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(text) + 1 + std::max(0, -metrics.minLeftBearing()) +
           std::max(0, -metrics.minRightBearing());
}

QFont FontFittingWidth(const QFont& font, const QString& text, int width)
{
    if (NeededTextWidth(font, text) <= width) return font;
    QFont fitted = font;
    for (int size = QFontInfo(font).pixelSize() - 1; size >= kMinimumFittingPixelSize; --size) {
        fitted.setPixelSize(size);
        if (NeededTextWidth(fitted, text) <= width) return fitted;
    }
    // Even the smallest size is too wide: narrower letters keep the height.
    const int needed = NeededTextWidth(fitted, text);
    for (int stretch = std::max(1, 100 * width / needed); stretch > 1; --stretch) {
        fitted.setStretch(stretch);
        if (NeededTextWidth(fitted, text) <= width) return fitted;
    }
    fitted.setStretch(1);
    return fitted;
}

}  // namespace tensorium
