#include "app/explorer/smooth_curve.h"

#include <algorithm>
#include <cmath>

namespace tensorium {
namespace {

// The curve's derivative at point k per step of the sampling: a central
// difference inside, one-sided ones of the same order at the ends.
QPointF Tangent(const QPolygonF& p, qsizetype k)
{
    const qsizetype last = p.size() - 1;
    if (last == 1) return p[1] - p[0];
    if (k == 0) return (-3 * p[0] + 4 * p[1] - p[2]) / 2;
    if (k == last) return (3 * p[last] - 4 * p[last - 1] + p[last - 2]) / 2;
    return (p[k + 1] - p[k - 1]) / 2;
}

struct Piece {
    QPointF from, c1, c2, to;
    QPointF At(double t) const
    {
        const double u = 1 - t;
        return u * u * u * from + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * to;
    }
};

// The cubic from point `from` to point `to` with the curve's ends and
// tangents (Hermite).
Piece PieceBetween(const QPolygonF& p, qsizetype from, qsizetype to)
{
    const double steps = static_cast<double>(to - from);
    return {p[from], p[from] + Tangent(p, from) * steps / 3, p[to] - Tangent(p, to) * steps / 3, p[to]};
}

// How far the piece strays from the points it skips, each compared with
// the piece's point at the same step.
double Stray(const Piece& piece, const QPolygonF& p, qsizetype from, qsizetype to)
{
    double largest = 0;
    for (qsizetype k = from + 1; k < to; ++k) {
        const QPointF d = piece.At(static_cast<double>(k - from) / static_cast<double>(to - from)) - p[k];
        largest = std::max(largest, std::hypot(d.x(), d.y()));
    }
    return largest;
}

}  // namespace

QPainterPath SmoothCurveThrough(const QPolygonF& points, int longest, double tolerance)
{
    QPainterPath path;
    if (points.isEmpty()) return path;
    longest = std::max(1, longest);
    path.moveTo(points.front());
    const qsizetype last = points.size() - 1;
    for (qsizetype from = 0; from < last;) {
        // The longest piece that keeps to the points; a single step is the
        // straight segment between two points, as a polyline draws it.
        qsizetype to = std::min<qsizetype>(from + longest, last);
        for (; to > from + 1; --to) {
            const Piece piece = PieceBetween(points, from, to);
            if (Stray(piece, points, from, to) <= tolerance) {
                path.cubicTo(piece.c1, piece.c2, piece.to);
                break;
            }
        }
        if (to == from + 1) path.lineTo(points[to]);
        from = to;
    }
    return path;
}

}  // namespace tensorium
