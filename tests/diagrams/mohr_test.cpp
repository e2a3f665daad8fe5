#include "diagrams/mohr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "tests/diagrams/recording_series.h"

namespace tensorium::testing_support {
namespace {

struct Circles {
    RecordingSeries s1s2, s1s3, s2s3;
    MohrSeries Series() { return {&s1s2, &s1s3, &s2s3}; }
};

void ExpectCircle(const RecordingSeries& s, double centre, double radius)
{
    ASSERT_EQ(s.points.size(), 91u);
    const auto [lo, hi] =
        std::minmax_element(s.points.begin(), s.points.end(), [](auto& a, auto& b) { return a.x < b.x; });
    const double drawnCentre = (lo->x + hi->x) / 2, drawnRadius = (hi->x - lo->x) / 2;
    EXPECT_NEAR(drawnCentre, centre, 5e-4);
    EXPECT_NEAR(drawnRadius, radius, 5e-4);
    for (const RecordedPoint& p : s.points) {
        EXPECT_NEAR(std::hypot(p.x - drawnCentre, p.y), drawnRadius, 1e-12);
        EXPECT_FALSE(p.colour) << "the points take the series colour";
        EXPECT_TRUE(p.label.empty());
    }
}

TEST(MohrCircles, DefaultStateCentresAndRadii)
{
    Circles c;
    c.s1s2.points.push_back({1, 1, "old", std::nullopt});
    DrawMohrCircles(c.Series(), 8.793647, 3.340851, 0.265502);
    ExpectCircle(c.s1s3, 4.530, 4.264);
    ExpectCircle(c.s1s2, 6.067, 2.726);
    ExpectCircle(c.s2s3, 1.803, 1.538);
}

TEST(MohrCircles, PointsRunCounterclockwiseFromS1)
{
    Circles c;
    DrawMohrCircles(c.Series(), 10, 4, -2);
    const auto& p = c.s1s3.points;
    EXPECT_DOUBLE_EQ(p[0].x, 10);
    EXPECT_DOUBLE_EQ(p[0].y, 0);
    EXPECT_NEAR(p[22].x, 4.2094, 5e-5);
    EXPECT_NEAR(p[22].y, 5.9963, 5e-5);
    EXPECT_NEAR(p[45].x, -2, 1e-12);
    EXPECT_NEAR(p[45].y, 0, 1e-12);
    EXPECT_NEAR(p[90].x, 10, 1e-12);
    EXPECT_NEAR(p[90].y, 0, 1e-12);
}

TEST(MohrCircles, EqualStressesCollapseACircle)
{
    Circles c;
    DrawMohrCircles(c.Series(), 5, 5, 2);
    for (const auto& p : c.s1s2.points) {
        EXPECT_EQ(p.x, 5);
        EXPECT_EQ(p.y, 0);
    }
    for (size_t k = 0; k < 91; ++k) {
        EXPECT_EQ(c.s1s3.points[k].x, c.s2s3.points[k].x);
        EXPECT_EQ(c.s1s3.points[k].y, c.s2s3.points[k].y);
    }
    DrawMohrCircles(c.Series(), 7, 7, 7);
    for (const RecordingSeries* s : {&c.s1s2, &c.s1s3, &c.s2s3}) {
        ASSERT_EQ(s->points.size(), 91u);
        for (const auto& p : s->points) {
            EXPECT_EQ(p.x, 7);
            EXPECT_EQ(p.y, 0);
        }
    }
}

TEST(MohrCircles, StressesAtTheEndsOfTheDoubleRangeGiveFiniteCircles)
{
    const double states[][3] = {{1.7e308, 0.266, -1.7e308},  {DBL_MAX, 0.0, -DBL_MAX},
                                {DBL_MAX, DBL_MAX, DBL_MAX}, {-DBL_MAX, -DBL_MAX, -DBL_MAX},
                                {1.79e308, 1.7e308, 1.0},    {DBL_TRUE_MIN, 0.0, -DBL_TRUE_MIN},
                                {DBL_MAX, 1e306, 0.0}};
    for (const auto& s : states) {
        SCOPED_TRACE(testing::Message() << s[0] << ", " << s[1] << ", " << s[2]);
        Circles c;
        DrawMohrCircles(c.Series(), s[0], s[1], s[2]);
        const struct {
            const RecordingSeries* series;
            double high, low;
        } circles[] = {{&c.s1s3, s[0], s[2]}, {&c.s2s3, s[1], s[2]}, {&c.s1s2, s[0], s[1]}};
        for (const auto& circle : circles) {
            ASSERT_EQ(circle.series->points.size(), 91u);
            // Rounding is relative to the larger stress of the circle.
            const double size = std::max(std::fabs(circle.high), std::fabs(circle.low));
            const double slack = 1e-12 * size + 4 * DBL_TRUE_MIN;
            EXPECT_NEAR(circle.series->points.front().x, circle.high, slack);
            EXPECT_NEAR(circle.series->points[45].x, circle.low, slack);
            // In halves, so that the reach from the centre is measured without overflow.
            const double radius = circle.high / 2 - circle.low / 2, centre = circle.high / 2 + circle.low / 2;
            for (const RecordedPoint& p : circle.series->points) {
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << p.x << ", " << p.y;
                EXPECT_GE(p.x, circle.low - slack);
                EXPECT_LE(p.x, circle.high + slack);
                EXPECT_NEAR(std::hypot(p.x / 2 - centre / 2, p.y / 2), radius / 2, slack);
            }
        }
    }
}

}  // namespace
}  // namespace tensorium::testing_support
