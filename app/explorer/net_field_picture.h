// A stability field as the net draws it, in the net's own coordinates (x
// East, y North, the primitive circle of radius 1): filled bands of equal
// width over the field's fixed range, each covering the next, the contour
// lines between them with the failure contour apart, and the planes opened
// by the pore pressure as a region of their own.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <vector>

#include "diagrams/stability_field.h"

namespace tensorium {

constexpr int kFieldBands = 10;

struct FieldBand {
    QColor colour;
    QPainterPath region;  // where the value is at least the band's lower edge
};

struct FieldPicture {
    ValueRange range;
    std::vector<FieldBand> bands;  // from the field's low end up; paint in order
    QPainterPath lines;            // between the bands, inside the circle
    QPainterPath failureLine;      // SF = 1 or Ts = tan(phi), inside the circle
    QPainterPath opened;           // sigma' < 0; reaches past the circle
};

// The band edges are interpolated linearly between the grid's nodes. An
// opened node enters the bands at the failure end of the map (no friction
// holds it) unless its value is defined, so that the bands run on under the
// opened region, which is drawn over them.
FieldPicture FieldPictureOf(const StabilityField& field, double phiDegrees);

}  // namespace tensorium
