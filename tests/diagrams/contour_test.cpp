// Marching squares and the colour range, on fields whose contours are known.
#include "diagrams/contour.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

namespace tensorium {
namespace {

StabilityField Sampled(int size, const std::function<double(double, double)>& f)
{
    StabilityField field;
    field.kind = FieldKind::SlipTendency;
    field.size = size;
    for (int j = 0; j < size; ++j)
        for (int i = 0; i < size; ++i) field.values.push_back(f(field.X(i), field.Y(j)));
    return field;
}

// On a plane field the interpolation is exact: every piece lies on the line.
TEST(Contour, APlaneFieldGivesItsStraightLineWhole)
{
    const StabilityField field = Sampled(16, [](double x, double y) { return 2 * x - y; });
    for (double level : {0.0, 0.37, -1.1}) {
        const std::vector<NetSegment> segments = ContourSegments(field, level);
        ASSERT_FALSE(segments.empty());
        double length = 0;
        for (const NetSegment& s : segments) {
            for (const NetPoint& p : {s.from, s.to}) EXPECT_NEAR(2 * p.x - p.y, level, 8 * DBL_EPSILON);
            length += std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
        }
        // The line between the outermost cell centres, which lie at +-(1 - 1/16).
        const double edge = 1 - 1.0 / 16;
        double y0 = 2 * -edge - level, y1 = 2 * edge - level;
        double x0 = -edge, x1 = edge;
        auto clip = [&](double& x, double& y, double yLimit) {
            x = (yLimit + level) / 2;
            y = yLimit;
        };
        if (y0 < -edge) clip(x0, y0, -edge);
        if (y1 > edge) clip(x1, y1, edge);
        EXPECT_NEAR(length, std::hypot(x1 - x0, y1 - y0), 1e-12) << level;
    }
}

TEST(Contour, ACircleIsClosedAndRound)
{
    const StabilityField field = Sampled(64, [](double x, double y) { return std::hypot(x, y); });
    const std::vector<NetSegment> segments = ContourSegments(field, 0.5);
    double length = 0;
    for (const NetSegment& s : segments) {
        // The linear interpolation of a cone lies within a small part of a cell of the circle.
        EXPECT_NEAR(std::hypot(s.from.x, s.from.y), 0.5, 0.002);
        length += std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
    }
    EXPECT_NEAR(length, 2 * M_PI * 0.5, 0.01);
    // Closed: every end meets exactly one other end.
    for (const NetSegment& s : segments) {
        int meets = 0;
        for (const NetSegment& o : segments)
            for (const NetPoint& p : {o.from, o.to})
                if (std::hypot(p.x - s.to.x, p.y - s.to.y) < 1e-12) ++meets;
        EXPECT_EQ(meets, 2) << "its own end and one other";
    }
}

TEST(Contour, ASaddleIsCutRoundTheCornersAwayFromTheCentre)
{
    // Corners (from the North-West, clockwise): 1, 0, 1, 0 with the centre above 0.5.
    StabilityField field;
    field.size = 2;
    field.values = {1, 0, 0, 1};  // rows from the North: NW NE / SW SE
    const std::vector<NetSegment> segments = ContourSegments(field, 0.4);
    ASSERT_EQ(segments.size(), 2u);
    // The centre (value 0.5) is above the level, so the two low corners (NE and
    // SW) are cut off: each piece keeps to its own corner's quadrant.
    for (const NetSegment& s : segments) {
        const double mx = (s.from.x + s.to.x) / 2, my = (s.from.y + s.to.y) / 2;
        EXPECT_GT(mx * my, 0) << "in the NE or SW quadrant";
    }
    field.values = {0, 1, 1, 0};
    for (const NetSegment& s : ContourSegments(field, 0.6)) {
        const double mx = (s.from.x + s.to.x) / 2, my = (s.from.y + s.to.y) / 2;
        EXPECT_GT(mx * my, 0) << "centre below: the high NE and SW corners are cut off";
    }
}

TEST(Contour, SquaresWithoutAValueAreSkipped)
{
    const double none = std::numeric_limits<double>::quiet_NaN();
    StabilityField field;
    field.size = 3;
    field.values = {0, 1, 0, 1, none, 1, 0, 1, 0};
    EXPECT_TRUE(ContourSegments(field, 0.5).empty());
}

TEST(ColourRange, LeavesOutTheTwoPerCentAtEachEnd)
{
    StabilityField field;
    field.size = 1;
    for (int k = 0; k <= 100; ++k) field.values.push_back(k);
    field.values.push_back(1e300);  // a quotient near tau = 0
    field.values.push_back(std::numeric_limits<double>::quiet_NaN());
    const ValueRange range = ColourRange(field);
    // 102 finite values: the ranks 2 and 98 of 0 to 101.
    EXPECT_EQ(range.low, 2);
    EXPECT_EQ(range.high, 98);
    field.values = {3, 3, 3};
    EXPECT_EQ(ColourRange(field).low, 3);
    EXPECT_EQ(ColourRange(field).high, 4) << "equal values get a range of one";
    field.values = {};
    EXPECT_EQ(ColourRange(field).high, 1);
}

}  // namespace
}  // namespace tensorium
