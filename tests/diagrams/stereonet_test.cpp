#include "diagrams/stereonet.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/diagrams/recording_series.h"

namespace tensorium::testing_support {
namespace {

constexpr double kTol = 5e-5;

struct Net {
    RecordingSeries circle, s4, s5, s6, s7, s8, s9, joint, poles;
    StereonetSeries Series() { return {&circle, {&s4, &s5, &s6}, {&s7, &s8, &s9}, &joint, &poles}; }
};

struct State {
    PrincipalResult principal;
    UserSystem user;
    JointPlane joint;
    StereonetInputs Inputs(AzimuthConvention convention, bool p, bool u, bool j)
    {
        return {&principal, convention, &user, &joint, p, u, j};
    }
};

State DefaultState(AzimuthConvention convention = AzimuthConvention::azClockwiseFromNorth)
{
    State s;
    s.principal = ComputePrincipalStresses({3.4, 1, 8, 1, -1, 2}, convention);
    const UserAxes axes = BuildRotationMatrix(DegToRad(125), DegToRad(30), DegToRad(15));
    s.user.rotation = axes.rotation;
    s.user.axisAzimuth = axes.axisAzimuth;
    s.user.axisDip = axes.axisDip;
    s.joint = {DegToRad(16), DegToRad(33), 14, 1};
    return s;
}

void ExpectAt(const RecordedPoint& p, double x, double y, const char* what)
{
    EXPECT_NEAR(p.x, x, kTol) << what;
    EXPECT_NEAR(p.y, y, kTol) << what;
}

TEST(EqualAreaRadius, PlungesOfTheNet)
{
    const double plunges[] = {0, 30, 45, 60, 90};
    const double radii[] = {1, 0.7071, 0.5412, 0.3660, 0};
    for (int i = 0; i < 5; ++i) {
        const double c = std::cos(DegToRad(plunges[i]));
        EXPECT_NEAR(EqualAreaRadius(c * c), radii[i], kTol) << plunges[i];
    }
}

TEST(Stereonet, AtStartTheCircleThePrincipalPlanesAndTheirCrosses)
{
    Net net;
    State state = DefaultState();
    DrawStereonet(net.Series(), state.Inputs(AzimuthConvention::azClockwiseFromNorth, true, false, false));

    ASSERT_EQ(net.circle.points.size(), 91u);
    ExpectAt(net.circle.points[0], 1, 0, "circle start");
    EXPECT_NEAR(std::atan2(net.circle.points[90].y, net.circle.points[90].x), -7.2e-9, 1e-10);
    ASSERT_EQ(net.poles.points.size(), 3u);
    ExpectAt(net.poles.points[0], -0.2398, 0.0558, "s1");
    ExpectAt(net.poles.points[1], 0.7505, 0.4198, "s2");
    ExpectAt(net.poles.points[2], 0.3820, -0.7945, "s3");
    EXPECT_EQ(net.poles.points[0].label, "s1");
    EXPECT_EQ(net.poles.points[1].colour, (Rgb{255, 0, 0}));
    ASSERT_EQ(net.s4.points.size(), 181u);
    ExpectAt(net.s4.points.front(), 0.2266, 0.9740, "s1 arc start");
    ExpectAt(net.s4.points.back(), -0.2266, -0.9740, "s1 arc end");
    EXPECT_EQ(net.s4.points[90].colour, (Rgb{0, 128, 0}));
    EXPECT_TRUE(net.s4.visible);
    EXPECT_FALSE(net.s7.visible);
    EXPECT_FALSE(net.joint.visible);
    EXPECT_TRUE(net.joint.points.empty());
}

TEST(Stereonet, TheConventionMovesNothing)
{
    Net north, east;
    State a = DefaultState(AzimuthConvention::azClockwiseFromNorth);
    State b = DefaultState(AzimuthConvention::azCounterclockwiseFromEast);
    DrawStereonet(north.Series(), a.Inputs(AzimuthConvention::azClockwiseFromNorth, true, true, true));
    DrawStereonet(east.Series(), b.Inputs(AzimuthConvention::azCounterclockwiseFromEast, true, true, true));
    ASSERT_EQ(north.poles.points.size(), east.poles.points.size());
    for (size_t i = 0; i < north.poles.points.size(); ++i)
        ExpectAt(east.poles.points[i], north.poles.points[i].x, north.poles.points[i].y, "pole");
    for (size_t i = 0; i < 181; ++i)
        ExpectAt(east.s5.points[i], north.s5.points[i].x, north.s5.points[i].y, "s2 arc");
}

TEST(Stereonet, TheDefaultJointAndUserAxes)
{
    Net net;
    State state = DefaultState();
    DrawStereonet(net.Series(), state.Inputs(AzimuthConvention::azClockwiseFromNorth, true, true, true));
    ASSERT_EQ(net.poles.points.size(), 7u);
    const char* order[] = {"s1", "s2", "s3", "x'", "y'", "z'", "joint"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(net.poles.points[i].label, order[i]);
    ExpectAt(net.poles.points[3], -0.3486, -0.8655, "x'");
    ExpectAt(net.poles.points[4], 0.6846, -0.2199, "y'");
    ExpectAt(net.poles.points[5], -0.2998, 0.2099, "z'");
    const RecordedPoint& pole = net.poles.points[6];
    ExpectAt(pole, -0.1107, -0.3861, "joint pole");
    EXPECT_NEAR(std::hypot(pole.x, pole.y), 0.4017, kTol);
    ASSERT_EQ(net.joint.points.size(), 181u);
    ExpectAt(net.joint.points.front(), -0.9613, 0.2756, "joint arc start");
    ExpectAt(net.joint.points[90], 0.1860, 0.6487, "line of steepest dip");
    ExpectAt(net.joint.points.back(), 0.9613, -0.2756, "joint arc end");
    EXPECT_EQ(net.joint.points[0].colour, (Rgb{0, 0, 0}));
    EXPECT_EQ(net.s8.points[0].colour, (Rgb{255, 0, 255}));
}

TEST(Stereonet, UserAxesAtZeroAnglesAreTheGlobalAxes)
{
    Net net;
    State state = DefaultState();
    const UserAxes axes = BuildRotationMatrix(0, 0, 0);
    state.user.axisAzimuth = axes.axisAzimuth;
    state.user.axisDip = axes.axisDip;
    DrawStereonet(net.Series(), state.Inputs(AzimuthConvention::azClockwiseFromNorth, false, true, false));
    ASSERT_EQ(net.poles.points.size(), 3u);
    ExpectAt(net.poles.points[0], 0.999995, 0, "x' at East");
    ExpectAt(net.poles.points[1], 0, 0.999995, "y' at North");
    ExpectAt(net.poles.points[2], 0, 0, "z' at the centre");
    for (const auto& p : net.s7.points) EXPECT_NEAR(p.x, 0, 5e-4) << "plane of x': North-South";
    for (const auto& p : net.s8.points) EXPECT_NEAR(p.y, 0, 5e-4) << "plane of y': East-West";
    for (const auto& p : net.s9.points) {
        EXPECT_NEAR(std::hypot(p.x, p.y), 1, 1e-12) << "plane of z': the northern half circle";
        EXPECT_GE(p.y, -1e-12);
    }
    ExpectAt(net.s9.points.front(), -1, 0, "from chart angle pi");
    ExpectAt(net.s9.points.back(), 1, 0, "down to 0");
    EXPECT_TRUE(net.s4.points.empty());
}

TEST(Stereonet, HiddenUserPlanesKeepTheirLastPoints)
{
    Net net;
    State state = DefaultState();
    DrawStereonet(net.Series(), state.Inputs(AzimuthConvention::azClockwiseFromNorth, true, true, true));
    DrawStereonet(net.Series(), state.Inputs(AzimuthConvention::azClockwiseFromNorth, false, false, false));
    EXPECT_EQ(net.s7.points.size(), 181u);
    EXPECT_FALSE(net.s7.visible);
    EXPECT_TRUE(net.s4.points.empty());
    EXPECT_TRUE(net.joint.points.empty());
    EXPECT_TRUE(net.poles.points.empty()) << "the crosses go with their planes";
    EXPECT_EQ(net.circle.points.size(), 91u);
}

}  // namespace
}  // namespace tensorium::testing_support
