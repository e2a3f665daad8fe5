// The net's plane arcs drawn as smooth curves through every sixth point: they
// must pass through the points they keep and lie on the ones they skip, at
// any zoom, for every kind of plane.
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "app/explorer/smooth_curve.h"
#include "diagrams/net_geometry.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

// A net of this radius: a projector's picture zoomed in four times.
constexpr double kRadius = 4000;

QPolygonF OnNet(const std::vector<NetPoint>& points)
{
    QPolygonF line;
    for (const NetPoint& p : points) line << QPointF(kRadius * p.x, -kRadius * p.y);
    return line;
}

QPointF Cubic(const QPointF& a, const QPointF& b, const QPointF& c, const QPointF& d, double t)
{
    const double u = 1 - t;
    return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
}

double Distance(const QPointF& a, const QPointF& b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// The distance from `p` to the piece of `curve` that ends at element `e`.
double DistanceToPiece(const QPainterPath& curve, int e, const QPointF& p)
{
    const QPointF from = curve.elementAt(e - 1);
    if (curve.elementAt(e).type == QPainterPath::LineToElement) {
        const QPointF to = curve.elementAt(e), d = to - from;
        const double t = std::clamp(QPointF::dotProduct(p - from, d) / QPointF::dotProduct(d, d), 0.0, 1.0);
        return Distance(p, from + t * d);
    }
    const QPointF c1 = curve.elementAt(e), c2 = curve.elementAt(e + 1), to = curve.elementAt(e + 2);
    double nearest = HUGE_VAL;
    for (int s = 0; s <= 4000; ++s)
        nearest = std::min(nearest, Distance(p, Cubic(from, c1, c2, to, s / 4000.0)));
    return nearest;
}

TEST(SmoothCurve, PlaneArcsPassThroughTheirPointsAndLieOnTheSkippedOnes)
{
    const double tolerance = 1e-4 * kRadius;
    double worst = 0;
    int pieces = 0, planes = 0;
    for (double dipDirection = 0; dipDirection < 360; dipDirection += 37) {
        for (double dip : {0.0, 0.5, 5.0, 30.0, 60.0, 85.0, 89.5, 89.99, 90.0}) {
            SCOPED_TRACE(testing::Message() << dipDirection << "/" << dip);
            const QPolygonF points = OnNet(PlaneOnNet(dipDirection * M_PI / 180, dip * M_PI / 180).arc);
            const QPainterPath curve = SmoothCurveThrough(points, 8, tolerance);
            // Walk the pieces: each ends on a point, and those between lie
            // on it.
            qsizetype at = 0;
            for (int e = 1; e < curve.elementCount();) {
                const bool cubic = curve.elementAt(e).type == QPainterPath::CurveToElement;
                const int end = cubic ? e + 2 : e;
                const QPointF to = curve.elementAt(end);
                qsizetype next = at + 1;
                while (next < points.size() && points[next] != to) ++next;
                ASSERT_LT(next, points.size()) << "a piece ends off the points";
                ASSERT_LE(next - at, 8);
                for (qsizetype k = at + 1; k < next; ++k)
                    worst = std::max(worst, DistanceToPiece(curve, e, points[k]));
                at = next;
                e = end + 1;
                ++pieces;
            }
            EXPECT_EQ(at, points.size() - 1) << "the curve stops short";
            ++planes;
        }
    }
    EXPECT_LE(worst, tolerance) << "px at a radius of " << kRadius << " px";
    // Far fewer pieces than the 180 segments of the polyline.
    EXPECT_LT(pieces, planes * 60);
    RecordProperty("largest deviation (px)", std::to_string(worst));
    RecordProperty("pieces per plane", std::to_string(static_cast<double>(pieces) / planes));
}

TEST(SmoothCurve, ShortAndUnevenPolylines)
{
    EXPECT_TRUE(SmoothCurveThrough(QPolygonF(), 6, 0.01).isEmpty());
    const QPolygonF one{QPointF(3, 4)};
    EXPECT_EQ(SmoothCurveThrough(one, 6, 0.01).currentPosition(), QPointF(3, 4));
    // A straight line stays straight, and a length that is not a multiple of
    // the stride still ends at the last point.
    QPolygonF line;
    for (int k = 0; k <= 10; ++k) line << QPointF(k, 2 * k);
    const QPainterPath curve = SmoothCurveThrough(line, 6, 0.01);
    EXPECT_EQ(curve.currentPosition(), QPointF(10, 20));
    for (int e = 0; e < curve.elementCount(); ++e) {
        const QPointF p = curve.elementAt(e);
        EXPECT_NEAR(p.y(), 2 * p.x(), 1e-12) << e;
    }
}

}  // namespace
}  // namespace tensorium
