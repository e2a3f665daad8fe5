// The colour of each measured plane, the same on the net and the Mohr
// diagram: by its value in the stability field shown, or, with no field, by
// the set it belongs to.
#pragma once

#include <QColor>
#include <vector>

#include "app/planes/plane_set_document.h"
#include "diagrams/stability_field.h"

namespace tensorium {

// One colour a plane, in the order of the set; kept for the last state of
// the planes, field and friction angle asked for, which the net and the
// Mohr diagram ask for in turn.
const std::vector<QRgb>& PlaneColours(const PlaneSetDocument& planes, FieldKind field, double phiDegrees);

// The colour of the set at `index` among the sets in order of appearance:
// eight that readers with a colour-vision deficiency tell apart, then again.
QColor SetColour(int index);

}  // namespace tensorium
