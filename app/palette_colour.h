// The palette's colours as the toolkit's.
#pragma once

#include <QColor>

#include "diagrams/palette.h"

namespace tensorium {

inline QColor ColourOf(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace tensorium
