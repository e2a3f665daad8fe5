// The density of poles on the net: against the count written out term by
// term, on uniform sets, clusters, horizontal poles and sets of none or one.
#include "diagrams/pole_density.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "core/angles.h"
#include "diagrams/contour.h"
#include "tests/diagrams/random_poles.h"

namespace tensorium {
namespace {

// The weighting written from its definition.
struct Weighting {
    double k, expected, deviation;
};
Weighting WeightingOf(std::size_t poles)
{
    const double n = static_cast<double>(poles);
    const double k = 2 * (1 + n / 9);
    const double m = (1 - std::exp(-k)) / k, m2 = (1 - std::exp(-2 * k)) / (2 * k);
    return {k, n * m, std::sqrt(n * (m2 - m * m))};
}

// The density at the direction g, each term written out.
double DirectDensity(const std::vector<Vec3>& poles, const Vec3& g)
{
    const Weighting w = WeightingOf(poles.size());
    double count = 0;
    for (const Vec3& x : poles) count += std::exp(w.k * (std::fabs(Dot(x, g)) - 1));
    return (count - w.expected) / w.deviation;
}

bool Inside(const PoleDensity& d, int i, int j) { return std::hypot(d.X(i), d.Y(j)) <= 1; }

// The angle between two axes, degrees.
double AxisAngle(const Vec3& a, const Vec3& b)
{
    return RadToDeg(std::atan2(Norm(Cross(a, b)), std::fabs(Dot(a, b))));
}

Vec3 PoleAtMaximum(const PoleDensity& d)
{
    return PoleOf({DegToRad(d.maximumDipDirection), DegToRad(d.maximumDip)});
}

// The mean and variance of a term under a uniform set, by Simpson's rule over
// t = |x . g| in two million steps h: its error, (c h)^4 / 180 relative for
// e^{ct}, is below 1e-10 up to c = 2k = 22,226 (50,000 poles).
TEST(PoleDensity, WeightingMatchesTheUniformMoments)
{
    for (std::size_t n : {1u, 10u, 400u, 50000u}) {
        const KambWeighting w = KambWeightingFor(n);
        EXPECT_DOUBLE_EQ(w.k, 2 * (1 + n / 9.0));
        constexpr int kSteps = 2000000;
        double mean = 0, square = 0;
        for (int s = 0; s <= kSteps; ++s) {
            const double f = std::exp(w.k * (static_cast<double>(s) / kSteps - 1));
            const double weight = (s == 0 || s == kSteps ? 1.0 : s % 2 ? 4.0 : 2.0) / (3.0 * kSteps);
            mean += weight * f;
            square += weight * f * f;
        }
        EXPECT_NEAR(w.expected / (n * mean), 1, 1e-9) << n;
        EXPECT_NEAR(w.deviation * w.deviation / (n * (square - mean * mean)), 1, 1e-9) << n;
    }
}

// Measured: 0 eps for 7 poles (the same terms in the same order), 29 eps
// for 3,000 (the same terms added in another order), relative to the density
// or absolute below 1.
constexpr double kSumTolerance = 64 * DBL_EPSILON;

// Every node against the sum written out: a set of 7 (every pole counts) and
// one of 3,000 (only poles near the node are visited).
TEST(PoleDensity, NodesMatchTheSumTermByTerm)
{
    std::mt19937_64 random(7);
    for (int n : {7, 3000}) {
        std::vector<Vec3> poles;
        const Vec3 mean = PoleOf({DegToRad(250), DegToRad(75)});
        for (int p = 0; p < n; ++p)
            poles.push_back(p % 2 ? UniformDirection(random) : FisherDirection(random, mean, 50));
        const PoleDensity d = KambDensity(poles, 48);
        ASSERT_EQ(d.values.size(), 48u * 48u);
        double worst = 0;
        for (int j = 0; j < d.size; ++j) {
            for (int i = 0; i < d.size; ++i) {
                const double value = d.At(i, j);
                if (std::hypot(d.X(i), d.Y(j)) > 1 + d.Margin()) {
                    EXPECT_TRUE(std::isnan(value)) << i << ", " << j;
                    continue;
                }
                const double direct = DirectDensity(poles, DownwardAt({d.X(i), d.Y(j)}));
                worst = std::max(worst, std::fabs(value - direct) / std::max(1.0, std::fabs(direct)));
            }
        }
        EXPECT_LE(worst, kSumTolerance) << n;
    }
}

// 5,000 uniform poles (k = 1,113). At each node the density has mean 0 and
// deviation 1 by construction; nodes farther apart than about 2 / sqrt(k)
// radians are nearly independent, so the hemisphere holds about
// 2 pi / (4 pi / k) = k / 2 = 556 independent values. The mean over the
// nodes inside the circle (spread evenly, the net keeps areas) then has a
// deviation near 1 / sqrt(556) = 0.04, and the nodes' variance one near
// sqrt(2 / 556) = 0.06: the bounds are five of those. The count behaves
// like a Poisson count of mean 9, for which 9 + 6 x 3 = 27 poles has a chance
// of 1e-6 a value: none of 556 reaches 6.
TEST(PoleDensity, AUniformSetShowsNoExcess)
{
    std::mt19937_64 random(5000);
    std::vector<Vec3> poles;
    for (int p = 0; p < 5000; ++p) poles.push_back(UniformDirection(random));
    const PoleDensity d = KambDensity(poles, 96);
    double sum = 0, squares = 0;
    int nodes = 0;
    for (int j = 0; j < d.size; ++j) {
        for (int i = 0; i < d.size; ++i) {
            if (!Inside(d, i, j)) continue;
            sum += d.At(i, j);
            squares += d.At(i, j) * d.At(i, j);
            ++nodes;
        }
    }
    const double mean = sum / nodes, variance = squares / nodes - mean * mean;
    EXPECT_NEAR(mean, 0, 0.2);
    EXPECT_NEAR(variance, 1, 0.3);
    EXPECT_LT(d.maximum, 6);
    EXPECT_GE(d.maximum, 2) << "the highest of hundreds of independent values";
}

// Where the poles gather, the maximum is found between the nodes: at the
// centre of rings of poles laid evenly round a direction (where it is by
// symmetry), and at the mean of 2,000 poles scattered about one (where the
// count of a sample peaks within a few hundredths of a degree of it, its
// scatter of 4 degrees over sqrt(2,000)). A smaller set elsewhere does not
// draw the maximum away.
TEST(PoleDensity, TheMaximumLiesAtTheClusterCentre)
{
    const Vec3 centre = PoleOf({DegToRad(123.4), DegToRad(37.9)});
    const Vec3 other = PoleOf({DegToRad(300), DegToRad(70)});
    std::vector<Vec3> rings{centre};
    for (int ring = 1; ring <= 4; ++ring)
        for (int a = 0; a < 12; ++a) rings.push_back(Around(centre, DegToRad(1.5 * ring), a * kPi / 6));
    for (int a = 0; a < 12; ++a) rings.push_back(Around(other, DegToRad(3), a * kPi / 6));

    std::mt19937_64 random(2000);
    std::vector<Vec3> scattered;
    Vec3 sum{0, 0, 0};
    for (int p = 0; p < 2000; ++p) {
        scattered.push_back(FisherDirection(random, centre, 400));
        sum = Sum(sum, scattered.back());
    }
    for (int p = 0; p < 500; ++p) scattered.push_back(FisherDirection(random, other, 400));
    const Vec3 mean = Scaled(sum, 1 / Norm(sum));

    for (const auto& [poles, at] : {std::pair{rings, centre}, std::pair{scattered, mean}}) {
        const PoleDensity d = KambDensity(poles, 64);
        EXPECT_LT(AxisAngle(PoleAtMaximum(d), at), 0.5) << d.maximumDipDirection << " " << d.maximumDip;
        const NetPoint p = ProjectDownward(at);
        EXPECT_LT(std::hypot(d.maximumAt.x - p.x, d.maximumAt.y - p.y), DegToRad(0.5));
        EXPECT_NEAR(d.maximum, DirectDensity(poles, PoleAtMaximum(d)), 1e-9 * d.maximum);
        double highestNode = 0;
        for (double v : d.values)
            if (std::isfinite(v)) highestNode = std::max(highestNode, v);
        EXPECT_GE(d.maximum, highestNode);
    }
}

// Poles are axes: turning some of them up changes nothing, and the density
// at opposite points of the primitive circle (and of the margin beyond it,
// which holds the circle's values) is the same. Opposite nodes are opposite
// only to the rounding of their coordinates, an eps or so of direction that
// changes a count by up to k times as much: measured 1.8 k eps (k = 180).
TEST(PoleDensity, APoleAndItsOppositeCountTheSame)
{
    std::mt19937_64 random(11);
    std::vector<Vec3> down, mixed;
    const Vec3 mean = PoleOf({DegToRad(40), DegToRad(85)});
    for (int p = 0; p < 800; ++p) {
        Vec3 pole = p % 2 ? UniformDirection(random) : FisherDirection(random, mean, 100);
        if (pole[2] > 0) pole = Scaled(pole, -1.0);
        down.push_back(pole);
        mixed.push_back(p % 3 ? pole : Scaled(pole, -1.0));
    }
    const PoleDensity a = KambDensity(down, 64), b = KambDensity(mixed, 64);
    ASSERT_EQ(a.values.size(), b.values.size());
    int rim = 0;
    double worst = 0;
    for (int j = 0; j < a.size; ++j) {
        for (int i = 0; i < a.size; ++i) {
            const double v = a.At(i, j);
            if (std::isnan(v)) {
                EXPECT_TRUE(std::isnan(b.At(i, j)));
                continue;
            }
            EXPECT_EQ(b.At(i, j), v) << i << ", " << j;
            if (Inside(a, i, j) && std::hypot(a.X(i), a.Y(j)) < 1 - 1e-12) continue;
            const double opposite = a.At(a.size - 1 - i, a.size - 1 - j);
            worst = std::max(worst, std::fabs(opposite - v) / std::max(1.0, std::fabs(v)));
            ++rim;
        }
    }
    // The margin, 1.5 spacings wide, holds about 3 pi / spacing nodes.
    EXPECT_GT(rim, 4 * a.size);
    EXPECT_LE(worst, 4 * a.weighting.k * DBL_EPSILON);
    EXPECT_EQ(b.maximum, a.maximum);
}

// Vertical planes have horizontal poles, on the primitive circle: a set
// dipping towards 30 and one dipping towards 210 share their poles' axis and
// so their density, which peaks on the circle at both ends of the axis.
TEST(PoleDensity, HorizontalPolesPeakOnTheCircle)
{
    PlaneSet one, both;
    for (int p = 0; p < 20; ++p) {
        one.push_back({"", 30, 90, ""});
        both.push_back({"", p % 2 ? 30.0 : 210.0, 90, ""});
    }
    const PoleDensity a = KambDensity(PolesOf(one), 64), b = KambDensity(PolesOf(both), 64);
    double worst = 0;
    for (std::size_t n = 0; n < a.values.size(); ++n)
        if (std::isfinite(a.values[n]))
            worst =
                std::max(worst, std::fabs(a.values[n] - b.values[n]) / std::max(1.0, std::fabs(a.values[n])));
    EXPECT_LE(worst, kSumTolerance);
    for (const PoleDensity& d : {a, b}) {
        EXPECT_NEAR(d.maximumDip, 90, 0.5);
        EXPECT_NEAR(std::fmod(d.maximumDipDirection, 180), 30, 0.5);
        EXPECT_NEAR(std::hypot(d.maximumAt.x, d.maximumAt.y), 1, 1e-9);
        // All twenty poles at the maximum: the count is 20.
        const Weighting w = WeightingOf(20);
        EXPECT_NEAR(d.maximum, (20 - w.expected) / w.deviation, 1e-9);
    }
}

// No poles: no excess anywhere and nothing to contour. One pole: the
// maximum is at it, with the count 1.
TEST(PoleDensity, NoPoleOrOne)
{
    const PoleDensity none = KambDensity({}, 32);
    int inside = 0;
    for (double v : none.values) {
        if (std::isnan(v)) continue;
        EXPECT_EQ(v, 0);
        ++inside;
    }
    EXPECT_GT(inside, 32 * 32 / 2);
    EXPECT_EQ(none.maximum, 0);
    EXPECT_TRUE(ContourLevels(none).empty());

    const PoleDensity one = KambDensity(PolesOf({{"J1", 200, 50, ""}}), 32);
    EXPECT_NEAR(one.maximumDipDirection, 200, 1e-3);
    EXPECT_NEAR(one.maximumDip, 50, 1e-3);
    const Weighting w = WeightingOf(1);
    EXPECT_NEAR(one.maximum, (1 - w.expected) / w.deviation, 1e-12);
    EXPECT_EQ(ContourLevels(one), std::vector<double>{2});
}

// Levels every two deviations from 2 up to the maximum, each bounding a
// region on the grid when the nodes reach it.
TEST(PoleDensity, LevelsRiseByTwoToTheMaximum)
{
    PoleDensity d;
    for (const auto& [maximum, count] : {std::pair{1.99, 0}, {2.0, 1}, {7.3, 3}, {8.0, 4}, {8.01, 4}}) {
        d.maximum = maximum;
        const std::vector<double> levels = ContourLevels(d);
        ASSERT_EQ(static_cast<int>(levels.size()), count) << maximum;
        for (int l = 0; l < count; ++l) EXPECT_EQ(levels[l], 2.0 * (l + 1));
    }

    std::mt19937_64 random(3);
    std::vector<Vec3> poles;
    for (int p = 0; p < 600; ++p)
        poles.push_back(FisherDirection(random, PoleOf({DegToRad(80), DegToRad(20)}), 60));
    const PoleDensity cluster = KambDensity(poles, 64);
    const std::vector<double> levels = ContourLevels(cluster);
    ASSERT_GE(levels.size(), 3u);
    EXPECT_GT(cluster.maximum - levels.back(), 0);
    EXPECT_LT(cluster.maximum - levels.back(), 2);
    for (double level : levels) {
        if (level > cluster.maximum - 1) break;  // the nodes may fall short of the peak
        EXPECT_FALSE(RegionAtOrAbove(cluster, level).empty()) << level;
    }
}

}  // namespace
}  // namespace tensorium
