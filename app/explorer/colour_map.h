// A colour map that readers with a colour-vision deficiency can read: dark
// blue through green to yellow, lightness rising steadily (viridis). On the
// net's fields the bright yellow end always means "closer to failure".
#pragma once

#include <QColor>

#include "diagrams/stability_field.h"

namespace tensorium {

// The colour at `t` in [0, 1] (clamped).
QColor MapColour(double t);
QRgb MapRgb(double t);  // the same, for thousands of planes a step

// Where `value` of a field lies on its map: 0 far from failure, 1 close to
// it, so that a low safety factor takes the colour of a high slip tendency;
// values beyond the field's range take the colour of its end.
double Closeness(FieldKind kind, const ValueRange& range, double value);

// Planes opened by the pore pressure (sigma' < 0): a grey that is on no
// part of the map.
QColor OpenedColour();

}  // namespace tensorium
