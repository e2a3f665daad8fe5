// Pieces of the explorer's net in the coordinates of a target rectangle.
#pragma once

#include <QPainterPath>
#include <QRectF>

#include "core/stress_state.h"
#include "diagrams/net_projection.h"

namespace tensorium {

// The lower half of the great circle of the plane with (downward) pole
// `pole`, from one end of its strike to the other.
QPainterPath GreatCircle(const QRectF& target, const Vec3& pole,
                         QPointF (*toTarget)(const QRectF&, const NetPoint&));

// A cross of half-size `half` at `at`.
QPainterPath Cross(const QPointF& at, double half);

}  // namespace tensorium
