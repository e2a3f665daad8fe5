// The font in which a computed text shows whole in the room of its box.
#pragma once

#include <QFont>
#include <QString>

namespace tensorium {

// The smallest pixel size still read comfortably on screen.
inline constexpr int kMinimumFittingPixelSize = 6;

// Width a line edit needs for `text` in `font`: the advance, the bearings
// that reach out of it and the one pixel that QLineEdit keeps for its cursor.
int NeededTextWidth(const QFont& font, const QString& text);

// `font` itself when `text` fits into `width`; otherwise the same face with
// a smaller pixel size, down to kMinimumFittingPixelSize, and below that
// condensed at that size, so that a text is never cut.
QFont FontFittingWidth(const QFont& font, const QString& text, int width);

}  // namespace tensorium
