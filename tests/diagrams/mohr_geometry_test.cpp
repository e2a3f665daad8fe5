// The Mohr diagram's geometry against its formulas.
#include "diagrams/mohr_geometry.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
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
        MohrExtent extent;
        double headPx;
    } cases[] = {{{-0.16, 8.79, 4.48}, 0}, {{-9, 0, 3.5}, 40},          {{0, 5, 0}, 0},
                 {{0, 1e6, 5e5}, 120},     {{-12, 10, 11}, 250},        {{0, 1e300, 5e299}, 30},
                 {{0, 1e-310, 0}, 0},      {{-1e300, 1e300, 1e300}, 10}};
    for (const Case& c : cases) {
        const MohrFrame f = FitMohrFrame(room, c.extent, c.headPx);
        SCOPED_TRACE(c.extent.sigmaHigh);
        ASSERT_TRUE(std::isfinite(f.pxPerUnit) && f.pxPerUnit > 0);
        const double relative = 8 * DBL_EPSILON;
        EXPECT_NEAR(f.plot.width, (f.sigmaHigh - f.sigmaLow) * f.pxPerUnit, relative * room.width);
        EXPECT_NEAR(f.plot.height, f.tauHigh * f.pxPerUnit, relative * room.height);
        EXPECT_LE(f.plot.width, room.width * (1 + relative));
        EXPECT_LE(f.plot.height, room.height * (1 + relative));
        EXPECT_TRUE(std::fabs(f.plot.width - room.width) < relative * room.width ||
                    std::fabs(f.plot.height - room.height) < relative * room.height)
            << "as large as the room allows";
        EXPECT_NEAR(f.plot.left + f.plot.width / 2, room.left + room.width / 2, relative * room.width);
        EXPECT_NEAR(f.plot.top + f.plot.height / 2, room.top + room.height / 2, relative * room.height);
        for (double sigma : {c.extent.sigmaLow, c.extent.sigmaHigh}) {
            EXPECT_GT(f.X(sigma), f.plot.left);
            EXPECT_LT(f.X(sigma), f.plot.Right());
        }
        EXPECT_EQ(f.Y(0), f.plot.Bottom());
        EXPECT_LT(f.Y(c.extent.tauTop), f.Y(0) + relative * room.height);
        const double head = std::min(c.headPx, 0.75 * room.height);
        EXPECT_GE(f.Y(c.extent.tauTop) - f.plot.top, head * (1 - relative)) << "the head stays free";
    }
}

TEST(MohrGeometry, AFrameOfTheOriginAloneHasAUnitSpan)
{
    const MohrFrame f = FitMohrFrame({0, 0, 400, 300}, {0, 0, 0});
    EXPECT_NEAR(f.sigmaHigh - f.sigmaLow, 1.12, 4 * DBL_EPSILON) << "a unit and 6 % margins";
    EXPECT_NEAR(f.sigmaLow, -0.56, 4 * DBL_EPSILON) << "round the origin";
    const MohrFrame point = FitMohrFrame({0, 0, 400, 300}, {-4, -4, 0});
    EXPECT_NEAR(point.sigmaLow, -6.24, 8 * DBL_EPSILON * 6.24);
    EXPECT_NEAR(point.sigmaHigh, -1.76, 8 * DBL_EPSILON * 6.24);
}

// Whether `step` is 1, 2 or 5 times a power of ten, to the rounding of pow.
bool IsRoundStep(double step)
{
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / decade;
    for (double m : {1.0, 2.0, 5.0})
        if (std::fabs(mantissa - m) <= 4 * DBL_EPSILON * m) return true;
    return false;
}

// The multiples of `step` in [low, high], counted without the function's code.
double MultiplesIn(double low, double high, double step)
{
    return std::floor(high / step) - std::ceil(low / step) + 1;
}

// The next smaller round step.
double SmallerStep(double step)
{
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = std::round(step / decade);
    return mantissa == 1 ? decade / 2 : mantissa == 2 ? decade : decade * 2;
}

void ExpectRoundTicks(double low, double high, int most)
{
    SCOPED_TRACE(::testing::Message() << "[" << low << ", " << high << "] at most " << most);
    const AxisTicks t = RoundTicks(low, high, most);
    EXPECT_TRUE(IsRoundStep(t.step)) << t.step;
    EXPECT_LE(t.count, most);
    EXPECT_GE(t.count, most * 2 / 5);
    // Every multiple of the step in the range is a tick, and only those.
    const double slack = 4 * DBL_EPSILON * std::max(std::fabs(low), std::fabs(high));
    EXPECT_GE(t.Value(0), low - slack);
    EXPECT_LE(t.Value(t.count - 1), high + slack);
    EXPECT_LT(t.Value(-1), low + slack);
    EXPECT_GT(t.Value(t.count), high - slack);
    EXPECT_EQ(t.firstIndex, std::round(t.firstIndex)) << "whole multiples";
    EXPECT_GT(MultiplesIn(low, high, SmallerStep(t.step)), most) << "the smallest step that fits";
}

TEST(MohrGeometry, TicksHaveRoundStepsAndAFewOfThemAtEveryScale)
{
    // Spans from a micro-unit to a tera-unit, each at several positions:
    // from zero, across zero, wholly negative and far from zero.
    for (double span = 1e-6; span <= 1e12; span *= 1.37) {
        for (double offset : {0.0, -0.3, -1.7, 2.45, 41.0}) {
            const double low = offset * span;
            for (int most : {3, 5, 8, 10}) ExpectRoundTicks(low, low + span, most);
        }
    }
    ExpectRoundTicks(-9.5, -3, 8);
    ExpectRoundTicks(1, 18, 8);  // 9 ticks at a step of 2, so 3 at a step of 5
    ExpectRoundTicks(-1.2e300, 1.5e300, 8);
    ExpectRoundTicks(0, 1.1e-300, 8);
}

TEST(MohrGeometry, ARangeOfZeroWidthIsNumberedRoundItsValue)
{
    for (double value : {5.0, -3e-7, 0.0, 2e11}) {
        const AxisTicks t = RoundTicks(value, value);
        EXPECT_TRUE(IsRoundStep(t.step)) << value;
        EXPECT_GE(t.count, 3);
        EXPECT_LE(t.count, 8);
        EXPECT_LE(t.Value(0), value);
        EXPECT_GE(t.Value(t.count - 1), value);
    }
    EXPECT_EQ(RoundTicks(0, std::nan("")).count, 0);
    EXPECT_EQ(RoundTicks(-HUGE_VAL, 1).count, 0);
}

// The number a tick's text says, read back without the locale.
double ReadBack(std::string text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

TEST(MohrGeometry, TickTextsSayTheirValuesWithTheDecimalsTheStepNeeds)
{
    for (double span = 1e-6; span <= 1e12; span *= 3.3) {
        for (double offset : {0.0, -0.45, -3.0}) {
            const AxisTicks t = RoundTicks(offset * span, (offset + 1) * span);
            const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(t.step) + 1e-9)));
            std::string previous;
            for (int k = 0; k < t.count; ++k) {
                const std::string text = TickText(t.Value(k), t, ".");
                SCOPED_TRACE(text);
                // The text is the tick's exact decimal: read back, it is the
                // tick to the rounding of one multiplication and one reading.
                EXPECT_NEAR(ReadBack(text), t.Value(k),
                            2 * DBL_EPSILON * std::max(std::fabs(t.Value(k)), t.step));
                EXPECT_NE(text, previous);
                EXPECT_NE(text, "-0");
                const size_t point = text.find('.'), e = text.find('e');
                const bool scientific = t.step < 1e-5 * (1 - 1e-9) ||
                                        std::fabs(t.Value(t.count - 1)) >= 1e6 ||
                                        std::fabs(t.Value(0)) >= 1e6;
                EXPECT_EQ(e != std::string::npos, scientific && t.Value(k) != 0);
                if (!scientific) {
                    EXPECT_EQ(point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1),
                              decimals)
                        << "fixed, with the step's decimals";
                } else if (t.Value(k) == 0) {
                    EXPECT_EQ(text, "0");
                }
                previous = text;
            }
        }
    }
}

TEST(MohrGeometry, TickTextsUseTheGivenSeparatorAndNoNegativeZero)
{
    const AxisTicks half = RoundTicks(0, 3, 8);
    ASSERT_EQ(half.step, 0.5);
    EXPECT_EQ(TickText(2.5, half, ","), "2,5");
    EXPECT_EQ(TickText(-2.5, half, "\xD9\xAB"),
              "-2\xD9\xAB"
              "5")
        << "a separator of two bytes";
    EXPECT_EQ(TickText(3, RoundTicks(0, 9, 8), ","), "3") << "no decimals for a whole step";
    EXPECT_EQ(TickText(-1e-17, RoundTicks(-1, 1, 8), "."), "0.0");
    EXPECT_EQ(TickText(-0.004, RoundTicks(-1, 1, 8), "."), "0.0");
    const AxisTicks tera = RoundTicks(0, 1.6e12, 8);
    EXPECT_EQ(TickText(1.5e12, tera, "."), "1.5e12");
    EXPECT_EQ(TickText(0, tera, "."), "0");
    const AxisTicks tiny = RoundTicks(0, 3e-300, 8);
    EXPECT_EQ(TickText(tiny.Value(1), tiny, "."), "5e-301");
}

}  // namespace
}  // namespace tensorium
