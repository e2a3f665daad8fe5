// Regions and lines of marching squares, on fields whose contours are known.
#include "diagrams/contour.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

#include "diagrams/stability_field.h"

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

double Length(const NetLine& line)
{
    double length = 0;
    for (size_t k = 1; k < line.size(); ++k)
        length += std::hypot(line[k].x - line[k - 1].x, line[k].y - line[k - 1].y);
    return length;
}

// On a plane field the interpolation is exact: the ring runs along the line
// wherever it is not closing round the edge of the grid.
TEST(Region, APlaneFieldIsCutAlongItsLine)
{
    const StabilityField field = Sampled(16, [](double x, double y) { return 2 * x - y; });
    const double edge = field.Extent();
    for (double level : {0.0, 0.37, -1.1}) {
        const std::vector<NetRing> rings = RegionAtOrAbove(field, level);
        ASSERT_EQ(rings.size(), 1u) << level;
        EXPECT_GT(RingArea(rings[0]), 0) << "counterclockwise round the region";
        int onLine = 0;
        for (const NetPoint& p : rings[0]) {
            if (std::fabs(p.x) > edge || std::fabs(p.y) > edge) continue;  // closing outside the grid
            // A few roundings of values of order 2 and of the interpolation.
            EXPECT_NEAR(2 * p.x - p.y, level, 16 * DBL_EPSILON) << p.x << ", " << p.y;
            ++onLine;
        }
        EXPECT_GT(onLine, 10);
    }
}

// A disk of radius 1/2 as the region where -|p| >= -1/2, and as a hole in
// the region where |p| >= 1/2. The crossings lie on the circle to within
// the linear interpolation of a cone over one spacing h, of order h^2.
TEST(Region, ACircleIsRoundAndItsHoleRunsClockwise)
{
    const StabilityField cone = Sampled(64, [](double x, double y) { return -std::hypot(x, y); });
    const double h = cone.Spacing();
    const std::vector<NetRing> disk = RegionAtOrAbove(cone, -0.5);
    ASSERT_EQ(disk.size(), 1u);
    for (const NetPoint& p : disk[0]) EXPECT_NEAR(std::hypot(p.x, p.y), 0.5, h * h);
    EXPECT_NEAR(RingArea(disk[0]), M_PI / 4, 2 * M_PI * 0.5 * h * h);

    StabilityField bowl = cone;
    for (double& v : bowl.values) v = -v;
    const std::vector<NetRing> rings = RegionAtOrAbove(bowl, 0.5);
    ASSERT_EQ(rings.size(), 2u) << "the grid's outline and the hole";
    const double a = RingArea(rings[0]), b = RingArea(rings[1]);
    const double hole = std::min(a, b), outer = std::max(a, b);
    EXPECT_NEAR(hole, -RingArea(disk[0]), 64 * DBL_EPSILON) << "the same crossings, the other way round";
    // The outline closes halfway to the nodes beyond the grid, and cuts each
    // corner square's corner by a triangle of legs h / 2.
    const double side = 2 * (cone.Extent() + h / 2);
    // The shoelace sum rounds once per point, each term of order side^2.
    const double points = static_cast<double>(rings[0].size() + rings[1].size());
    EXPECT_NEAR(outer, side * side - h * h / 2, points * side * side * DBL_EPSILON);
}

// Corners NW and SE of one square at 1, all else 0: the square's mean (0.5)
// joins the two high corners below it and parts them above it.
TEST(Region, ASaddleIsJoinedOrPartedByItsMean)
{
    StabilityField field = Sampled(5, [](double, double) { return 0.0; });
    field.values[field.Index(1, 1)] = 1;
    field.values[field.Index(2, 2)] = 1;
    EXPECT_EQ(RegionAtOrAbove(field, 0.4).size(), 1u);
    EXPECT_EQ(RegionAtOrAbove(field, 0.6).size(), 2u);
    EXPECT_TRUE(RegionAtOrAbove(field, 1.5).empty());
}

// A node without a value counts as below every level: a diamond hole through
// the midpoints of its four edges, of area h^2 / 2.
TEST(Region, ANodeWithoutAValueLeavesAHole)
{
    StabilityField field = Sampled(7, [](double, double) { return 1.0; });
    field.values[field.Index(3, 2)] = std::numeric_limits<double>::quiet_NaN();
    const std::vector<NetRing> rings = RegionAtOrAbove(field, 0.5);
    ASSERT_EQ(rings.size(), 2u);
    const double h = field.Spacing();
    const double hole = std::min(RingArea(rings[0]), RingArea(rings[1]));
    EXPECT_NEAR(hole, -h * h / 2, 16 * DBL_EPSILON);
}

TEST(ClipToDisk, KeepsWhatLiesInsideThePrimitiveCircle)
{
    // Wholly inside: one line that ends where it starts.
    NetRing inside;
    for (int k = 0; k < 12; ++k)
        inside.push_back({0.5 * std::cos(k * M_PI / 6), 0.5 * std::sin(k * M_PI / 6)});
    const std::vector<NetLine> whole = ClipToDisk(inside);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].size(), inside.size() + 1);
    EXPECT_EQ(whole[0].front().x, whole[0].back().x);

    // A square of half-side 0.9 about the centre: its corners stick out, four
    // straight pieces remain, each ending on the circle.
    for (const NetPoint& start : {NetPoint{0.9, 0.9}, NetPoint{0.9, 0}}) {
        NetRing square{start};
        if (start.y == 0) square.push_back({0.9, 0.9});
        for (const NetPoint& p : {NetPoint{-0.9, 0.9}, NetPoint{-0.9, -0.9}, NetPoint{0.9, -0.9}})
            square.push_back(p);
        const std::vector<NetLine> pieces = ClipToDisk(square);
        ASSERT_EQ(pieces.size(), 4u) << "starting " << (start.y == 0 ? "inside" : "outside");
        const double half = std::sqrt(1 - 0.81);
        for (const NetLine& piece : pieces) {
            EXPECT_NEAR(Length(piece), 2 * half, 8 * DBL_EPSILON);
            EXPECT_NEAR(std::hypot(piece.front().x, piece.front().y), 1, 4 * DBL_EPSILON);
            EXPECT_NEAR(std::hypot(piece.back().x, piece.back().y), 1, 4 * DBL_EPSILON);
        }
    }
    EXPECT_TRUE(ClipToDisk({{2, 2}, {3, 2}, {3, 3}}).empty());
}

}  // namespace
}  // namespace tensorium
