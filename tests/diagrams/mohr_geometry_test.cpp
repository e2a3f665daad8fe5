// The Mohr diagram's geometry against its formulas.
#include "diagrams/mohr_geometry.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace tensorium {
namespace {

double Area(const std::vector<MohrPoint>& polygon)
{
    double twice = 0;
    for (size_t k = 0; k < polygon.size(); ++k) {
        const MohrPoint& a = polygon[k];
        const MohrPoint& b = polygon[(k + 1) % polygon.size()];
        twice += a.sigma * b.tau - b.sigma * a.tau;
    }
    return std::fabs(twice) / 2;
}

TEST(MohrGeometry, HalfCirclesRunOverTheTopFromTheFirstStressToTheSecond)
{
    for (auto [si, sj] : {std::pair{8.0, 2.0}, std::pair{2.0, 8.0}, std::pair{-3.0, -9.5}}) {
        const std::vector<MohrPoint> arc = UpperHalfCircle(si, sj);
        ASSERT_EQ(arc.size(), 181u);
        EXPECT_EQ(arc.front().sigma, si);
        EXPECT_NEAR(arc.back().sigma, sj, 4 * DBL_EPSILON * 10);
        const double centre = (si + sj) / 2, radius = std::fabs(si - sj) / 2;
        for (const MohrPoint& p : arc) {
            EXPECT_GE(p.tau, 0);
            EXPECT_NEAR(std::hypot(p.sigma - centre, p.tau), radius, 8 * DBL_EPSILON * 10);
        }
    }
}

TEST(MohrGeometry, ThePlaneRegionHasTheAreaBetweenTheCircles)
{
    const double s1 = 9, s2 = 4, s3 = -1;
    const double big = (s1 - s3) / 2, upper = (s1 - s2) / 2, lower = (s2 - s3) / 2;
    const double exact = M_PI / 2 * (big * big - upper * upper - lower * lower);
    // A polygon of 180 chords per half circle: the area falls short by the
    // chords' segments, under 1e-4 of it.
    EXPECT_NEAR(Area(PlaneRegion(s1, s2, s3)), exact, 1e-4 * exact);
    EXPECT_NEAR(Area(PlaneRegion(s1, s1, s3)), 0, 1e-12) << "an equal pair leaves no region";
}

TEST(MohrGeometry, TheEnvelopeStartsAtTheCohesionAndEndsAtTheFrame)
{
    const MohrSegment e = EnvelopeSegment(30, 1, 10, 4);
    ASSERT_TRUE(e.present);
    EXPECT_EQ(e.from.sigma, 0);
    EXPECT_EQ(e.from.tau, 1);
    EXPECT_NEAR(e.to.tau, 4, 1e-14) << "cut at the top of the frame";
    EXPECT_NEAR(e.to.sigma, 3 / std::tan(M_PI / 6), 1e-14);
    const MohrSegment flat = EnvelopeSegment(0, 1, 10, 4);
    EXPECT_EQ(flat.to.sigma, 10);
    EXPECT_EQ(flat.to.tau, 1);
    EXPECT_FALSE(EnvelopeSegment(30, 5, 10, 4).present) << "the cohesion above the frame";
    EXPECT_FALSE(EnvelopeSegment(30, 1, -2, 4).present) << "no compression in the frame";
}

TEST(MohrGeometry, TheFrameHasOneScaleAndHoldsEverything)
{
    const PlotRect room{10, 20, 600, 300};
    struct Case {
        double s1, s3, sigma, tau;
    } cases[] = {{8.79, -0.16, 5.76, 4.03}, {-2, -9, -5, 3}, {5, 5, 5, 0}, {1e6, 1, 0, 2}};
    for (const Case& c : cases) {
        const MohrFrame f = FitMohrFrame(room, c.s1, c.s3, c.sigma, c.tau);
        EXPECT_NEAR(f.plot.width, (f.sigmaHigh - f.sigmaLow) * f.pxPerUnit, 1e-9);
        EXPECT_NEAR(f.plot.height, f.tauHigh * f.pxPerUnit, 1e-9);
        EXPECT_LE(f.plot.width, room.width + 1e-9);
        EXPECT_LE(f.plot.height, room.height + 1e-9);
        EXPECT_TRUE(std::fabs(f.plot.width - room.width) < 1e-9 ||
                    std::fabs(f.plot.height - room.height) < 1e-9)
            << "as large as the room allows";
        EXPECT_NEAR(f.plot.left + f.plot.width / 2, room.left + room.width / 2, 1e-9);
        for (double sigma : {c.s1, c.s3, c.sigma, 0.0}) {
            EXPECT_GT(f.X(sigma), f.plot.left);
            EXPECT_LT(f.X(sigma), f.plot.Right());
        }
        EXPECT_LT(f.Y(f.tauHigh), f.Y(0));
        EXPECT_LE(f.Y(std::max(c.tau, (c.s1 - c.s3) / 2)), f.Y(0));
        EXPECT_EQ(f.Y(0), f.plot.Bottom());
    }
}

}  // namespace
}  // namespace tensorium
