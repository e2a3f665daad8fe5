// A stability field as the net draws it, in the net's own coordinates (x
// East, y North, the primitive circle of radius 1): filled bands of equal
// width over the field's fixed range, each covering the next, the contour
// where planes fail, and the planes opened by the pore pressure as a region
// of their own.
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
    QPainterPath failureLine;      // SF = 1 or Ts = tan(phi), inside the circle
    QPainterPath opened;           // sigma' < 0; reaches past the circle
};

// The band edges are interpolated linearly between the grid's nodes. The
// bands run on under the opened region, which is drawn over them: an opened
// node without a value enters them with the value of its closed neighbours.
FieldPicture FieldPictureOf(const StabilityField& field, double phiDegrees);

}  // namespace tensorium
