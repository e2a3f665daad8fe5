// The explorer's net: the equal-area projection and the pole of a plane,
// each way and back.
#include "diagrams/net_projection.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/angles.h"
#include "tests/core/random_stress.h"

namespace tensorium {
namespace {

TEST(NetProjection, KnownDirections)
{
    const NetPoint down = ProjectDownward({0, 0, -1});
    EXPECT_EQ(down.x, 0);
    EXPECT_EQ(down.y, 0);
    const NetPoint east = ProjectDownward({1, 0, 0});
    EXPECT_NEAR(east.x, 1, DBL_EPSILON);
    EXPECT_EQ(east.y, 0);
    // 45 degrees down towards North: radius sqrt(1 - cos 45).
    const NetPoint north = ProjectDownward({0, std::sqrt(0.5), -std::sqrt(0.5)});
    EXPECT_NEAR(north.y, std::sqrt(1 - std::sqrt(0.5)), 2 * DBL_EPSILON);
    // An upward direction is its downward opposite.
    const NetPoint up = ProjectDownward({0.6, 0, 0.8});
    EXPECT_NEAR(up.x, -std::sqrt(0.2), 2 * DBL_EPSILON);
}

TEST(NetProjection, AreasAreKept)
{
    // Equal-area: the cap within angle a of the vertical covers 2 pi (1 - cos a)
    // of the hemisphere's 2 pi, and pi r^2 of the net's pi.
    for (double a = 0.1; a < kPi / 2; a += 0.1) {
        const double r = ProjectDownward({std::sin(a), 0, -std::cos(a)}).x;
        EXPECT_NEAR(r * r, 1 - std::cos(a), 4 * DBL_EPSILON) << a;
    }
}

TEST(NetProjection, PointsAndDirectionsRoundTrip)
{
    testing_support::Random r(0x9e7a0001);
    for (int i = 0; i < 5000; ++i) {
        const NetPoint p{r.Signed(), r.Signed()};
        if (std::hypot(p.x, p.y) > 1) continue;
        const Vec3 d = DownwardAt(p);
        EXPECT_NEAR(Norm(d), 1, 4 * DBL_EPSILON);
        EXPECT_LE(d[2], 0);
        const NetPoint back = ProjectDownward(d);
        EXPECT_NEAR(back.x, p.x, 8 * DBL_EPSILON);
        EXPECT_NEAR(back.y, p.y, 8 * DBL_EPSILON);
    }
    const Vec3 outside = DownwardAt({3, 4});
    EXPECT_EQ(outside[2], 0) << "outside the circle: horizontal";
    EXPECT_NEAR(outside[0], 0.6, DBL_EPSILON);
}

TEST(PoleOfAPlane, KnownPlanes)
{
    // Dipping 30 degrees towards East: the pole plunges 60 degrees towards West.
    const Vec3 pole = PoleOf({DegToRad(90), DegToRad(30)});
    EXPECT_NEAR(pole[0], -0.5, DBL_EPSILON);
    EXPECT_EQ(pole[1], 0);
    EXPECT_NEAR(pole[2], -std::sqrt(0.75), DBL_EPSILON);
    const Vec3 vertical = PoleOf({DegToRad(0), DegToRad(90)});
    EXPECT_EQ(vertical[2], 0);
    EXPECT_EQ(vertical[1], -1);
    // A horizontal plane keeps the dip direction it had.
    const PlaneAttitude flat = PlaneOfPole({0, 0, -1}, 1.25);
    EXPECT_EQ(flat.dip, 0);
    EXPECT_EQ(flat.dipDirection, 1.25);
}

TEST(PoleOfAPlane, AttitudesAndPolesRoundTripBothWays)
{
    testing_support::Random r(0x9e7a0002);
    for (int i = 0; i < 5000; ++i) {
        const PlaneAttitude plane{2 * kPi * r.Unit(), (kPi / 2) * (0.001 + 0.998 * r.Unit())};
        const PlaneAttitude back = PlaneOfPole(PoleOf(plane), -1);
        EXPECT_NEAR(back.dip, plane.dip, 8 * DBL_EPSILON);
        const double gap = std::fabs(back.dipDirection - plane.dipDirection);
        EXPECT_LE(std::min(gap, 2 * kPi - gap), 16 * DBL_EPSILON / std::sin(plane.dip));
        EXPECT_GE(back.dipDirection, 0);
        EXPECT_LT(back.dipDirection, 2 * kPi);

        const NetPoint at{r.Signed(), r.Signed()};
        if (std::hypot(at.x, at.y) > 0.999 || std::hypot(at.x, at.y) < 1e-3) continue;
        const NetPoint again = ProjectDownward(PoleOf(PlaneOfPole(DownwardAt(at), 0)));
        EXPECT_NEAR(again.x, at.x, 64 * DBL_EPSILON);
        EXPECT_NEAR(again.y, at.y, 64 * DBL_EPSILON);
    }
}

}  // namespace
}  // namespace tensorium
