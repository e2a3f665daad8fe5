// The outline of a confidence cone on the net: every point the cone's
// radius from its axis, in one closed piece below the horizon, in two where
// it crosses it.
#include "diagrams/net_cone.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/angles.h"

namespace tensorium {
namespace {

Vec3 Line(double trend, double plunge)
{
    const double t = DegToRad(trend), p = DegToRad(plunge);
    return {std::sin(t) * std::cos(p), std::cos(t) * std::cos(p), -std::sin(p)};
}

double AngleBetweenLines(const Vec3& a, const Vec3& b)
{
    return RadToDeg(std::atan2(Norm(Cross(a, b)), std::fabs(Dot(a, b))));
}

TEST(NetCone, EveryPointLiesTheRadiusFromTheAxis)
{
    for (const auto& [trend, plunge] : {std::pair{30.0, 60.0}, {200.0, 5.0}, {0.0, 90.0}, {123.0, 0.0}})
        for (double radius : {0.5, 8.0, 25.0}) {
            const Vec3 axis = Line(trend, plunge);
            for (const NetLine& line : ConeOutline(axis, radius, 90))
                for (const NetPoint& p : line) {
                    ASSERT_LE(std::hypot(p.x, p.y), 1 + 4 * DBL_EPSILON);
                    // Through the projection and back: measured within 2e-14 degrees.
                    EXPECT_NEAR(AngleBetweenLines(DownwardAt(p), axis), radius, 1e-12)
                        << trend << "/" << plunge << " r " << radius;
                }
        }
}

TEST(NetCone, ItIsOneClosedPieceBelowTheHorizonAndTwoAcrossIt)
{
    const std::vector<NetLine> steep = ConeOutline(Line(30, 60), 10, 90);
    ASSERT_EQ(steep.size(), 1u);
    EXPECT_EQ(steep[0].size(), 91u);
    EXPECT_DOUBLE_EQ(steep[0].front().x, steep[0].back().x);
    EXPECT_DOUBLE_EQ(steep[0].front().y, steep[0].back().y);

    // Round a horizontal axis half the cone comes back on the opposite side.
    const std::vector<NetLine> level = ConeOutline(Line(90, 0), 10, 90);
    ASSERT_EQ(level.size(), 2u);
    size_t points = 0;
    for (const NetLine& line : level) {
        points += line.size();
        EXPECT_GT(std::hypot(line.front().x, line.front().y), 0.95);
        EXPECT_GT(std::hypot(line.back().x, line.back().y), 0.95);
        // One piece by East, the other by West.
        const double side = line[line.size() / 2].x;
        EXPECT_GT(std::fabs(side), 0.9);
    }
    EXPECT_EQ(points, 90u) << "every sample once: the outline's start is joined to its end";
    EXPECT_LT(level[0][level[0].size() / 2].x * level[1][level[1].size() / 2].x, 0);
}

}  // namespace
}  // namespace tensorium
