// A smooth curve through points sampled densely along it, drawn with a few
// cubic pieces: the painter strokes a few curves far faster than a polyline
// of many short segments, and the curve stays smooth at any zoom.
#pragma once

#include <QPainterPath>
#include <QPolygonF>

namespace tensorium {

// A curve through `points` that keeps to them within `tolerance`: cubic
// pieces over at most `longest` steps, each with the tangents the
// neighbouring points give at its ends and none straying further than
// `tolerance` from the points it skips; where the points turn too sharply for
// that, the straight segments between them.
QPainterPath SmoothCurveThrough(const QPolygonF& points, int longest, double tolerance);

}  // namespace tensorium
