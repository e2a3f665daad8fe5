// The net's planes and poles, computed once for both windows.
#include "diagrams/net_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/angles.h"
#include "tests/core/random_stress.h"

namespace tensorium {
namespace {

// Every point of a plane's arc is a line in the plane, and its pole is the
// projection of the plane's normal.
TEST(NetGeometry, ThePlaneNormalToALineHoldsEveryArcPointAndItsPoleIsTheLine)
{
    testing_support::Random r(0x9e7);
    double worst = 0;
    for (int k = 0; k < 200; ++k) {
        Vec3 line{r.Signed(), r.Signed(), r.Signed()};
        line = Scaled(line, 1 / Norm(line));
        // The arc's formula divides by the vertical part, which a steep plane lacks.
        if (std::fabs(line[2]) < 0.05) continue;
        const NetPlane plane = PlaneNormalTo(line);
        const NetPoint pole = ProjectDownward(line);
        EXPECT_NEAR(plane.pole.x, pole.x, 64 * DBL_EPSILON);
        EXPECT_NEAR(plane.pole.y, pole.y, 64 * DBL_EPSILON);
        ASSERT_EQ(plane.arc.size(), 181u);
        for (const NetPoint& p : plane.arc) {
            EXPECT_LE(std::hypot(p.x, p.y), 1 + 4 * DBL_EPSILON);
            worst = std::max(worst, std::fabs(Dot(DownwardAt(p), line)));
        }
        // Either sense of the line is the same plane.
        EXPECT_EQ(PlaneNormalTo(Scaled(line, -1.0)).pole.x, plane.pole.x);
    }
    // Near the ends of the strike q is within a few ulps of 1, and sqrt(1 - q)
    // turns an error of k eps into one of sqrt(k eps): measured 1.35e-8, about
    // sqrt(eps); bounded at sqrt(4 eps).
    EXPECT_LT(worst, 2 * std::sqrt(DBL_EPSILON));
}

TEST(NetGeometry, TheArcRunsFromStrikeToStrikeThroughTheDipDirection)
{
    const NetPlane plane = PlaneOnNet(DegToRad(90), DegToRad(60));  // dipping East
    EXPECT_NEAR(plane.arc.front().x, 0, 1e-12);
    EXPECT_NEAR(std::fabs(plane.arc.front().y), 1, 1e-12);
    EXPECT_NEAR(plane.arc.back().x, 0, 1e-12);
    EXPECT_NEAR(plane.arc.front().y, -plane.arc.back().y, 1e-12);
    const NetPoint middle = plane.arc[90];
    EXPECT_NEAR(middle.y, 0, 1e-12);
    EXPECT_NEAR(middle.x, std::sqrt(2) * std::sin(DegToRad(30) / 2), 1e-12) << "the dip line, plunge 60";
    EXPECT_LT(plane.pole.x, 0) << "the pole lies opposite the dip";
}

TEST(NetGeometry, ThePrimitiveCircleHas91PointsOnTheUnitCircle)
{
    const std::vector<NetPoint> circle = PrimitiveCircle();
    ASSERT_EQ(circle.size(), 91u);
    for (const NetPoint& p : circle) EXPECT_NEAR(std::hypot(p.x, p.y), 1, 2 * DBL_EPSILON);
    EXPECT_NEAR(circle.back().x, 1, 1e-12) << "closed after 360 degrees";
}

}  // namespace
}  // namespace tensorium
