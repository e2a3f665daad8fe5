// A colour map that readers with a colour-vision deficiency can read: dark
// blue through green to yellow, lightness rising steadily (viridis).
#pragma once

#include <QColor>

namespace tensorium {

// The colour at `t` in [0, 1] (clamped).
QColor MapColour(double t);

}  // namespace tensorium
