#include "core/user_system.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/angles.h"
#include "core/number_format.h"

namespace tensorium {
namespace {

const NumberSeparators kEnglish{".", ","};
std::string F(double v, int decimals) { return FormatNumber(v, decimals, kEnglish); }
std::string Deg(double radians) { return F(RadToDeg(radians), 2); }

UserAxes DefaultAxes() { return BuildRotationMatrix(DegToRad(125), DegToRad(30), DegToRad(15)); }

TEST(UserSystem, DefaultRotationAndAxisOrientations)
{
    const UserAxes axes = DefaultAxes();
    const char* rows[3][3] = {{"-0.370424", "-0.919804", "-0.129410"},
                              {"0.833687", "-0.267794", "-0.482963"},
                              {"0.409576", "-0.286788", "0.866025"}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(F(axes.rotation[i][j], 6), rows[i][j]) << i << j;
    const char* azimuths[3] = {"201.94", "107.81", "305.00"};
    const char* dips[3] = {"7.44", "28.88", "60.00"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Deg(axes.axisAzimuth[i]), azimuths[i]);
        EXPECT_EQ(Deg(axes.axisDip[i]), dips[i]);
    }
}

TEST(UserSystem, DefaultStressInTheUserSystem)
{
    const StressState user = TransformToUserSystem({3.4, 1, 8, 1, -1, 2}, DefaultAxes().rotation);
    EXPECT_EQ(F(user.sx, 3), "2.082");
    EXPECT_EQ(F(user.sy, 3), "1.985");
    EXPECT_EQ(F(user.sz, 3), "8.333");
    EXPECT_EQ(F(user.txy, 3), "-1.308");
    EXPECT_EQ(F(user.tyz, 3), "-1.315");
    EXPECT_EQ(F(user.tzx, 3), "-1.407");
}

TEST(UserSystem, ZeroAnglesGiveTheGlobalAxes)
{
    const UserAxes axes = BuildRotationMatrix(0, 0, 0);
    EXPECT_EQ(axes.rotation, (Mat3{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}));
    EXPECT_EQ(Deg(axes.axisAzimuth[0]), "90.00");
    EXPECT_EQ(Deg(axes.axisDip[0]), "0.00");
    EXPECT_EQ(Deg(axes.axisAzimuth[1]), "0.00");
    EXPECT_EQ(Deg(axes.axisAzimuth[2]), "180.00");
    EXPECT_EQ(axes.axisDip[2], kPi / 2);
    const StressState global{3.4, 1, 8, 1, -1, 2};
    const StressState user = TransformToUserSystem(global, axes.rotation);
    EXPECT_EQ(user.sx, 3.4);
    EXPECT_EQ(user.tyz, -1);
}

TEST(UserSystem, ZPrimeDipsAwayFromBetaWhateverTheta)
{
    for (double theta : {0.0, 40.0, -170.0}) {
        const UserAxes axes = BuildRotationMatrix(DegToRad(125), DegToRad(30), DegToRad(theta));
        EXPECT_EQ(Deg(axes.axisAzimuth[2]), "305.00");
        EXPECT_EQ(Deg(axes.axisDip[2]), "60.00");
    }
    // Turns by whole revolutions change nothing shown.
    const UserAxes turned = BuildRotationMatrix(DegToRad(125 + 360), DegToRad(30 - 720), DegToRad(15 + 1080));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Deg(turned.axisAzimuth[i]), Deg(DefaultAxes().axisAzimuth[i]));
        EXPECT_EQ(Deg(turned.axisDip[i]), Deg(DefaultAxes().axisDip[i]));
    }
}

TEST(UserSystem, AHorizontalZPrimeKeepsItsAzimuth)
{
    // psi = 90 degrees: cos psi is 6e-17 in radians, yet z' is horizontal.
    const UserAxes axes = BuildRotationMatrix(DegToRad(40), DegToRad(90), 0);
    EXPECT_EQ(axes.rotation[2][2], 0);
    EXPECT_EQ(Deg(axes.axisAzimuth[2]), "40.00");
    EXPECT_EQ(Deg(axes.axisDip[2]), "0.00");
}

TEST(UserSystem, UniaxialStressAlongXPrimeTurnsBack)
{
    const StressState global = TransformToGlobalSystem({10, 0, 0, 0, 0, 0}, DefaultAxes().rotation);
    EXPECT_EQ(F(global.sx, 3), "1.372");
    EXPECT_EQ(F(global.sy, 3), "8.460");
    EXPECT_EQ(F(global.sz, 3), "0.167");
    EXPECT_EQ(F(global.txy, 3), "3.407");
    EXPECT_EQ(F(global.tyz, 3), "1.190");
    EXPECT_EQ(F(global.tzx, 3), "0.479");
}

TEST(UserSystem, ReadingBackTheRoundedDefaults)
{
    const StressState global =
        TransformToGlobalSystem({2.082, 1.985, 8.333, -1.308, -1.315, -1.407}, DefaultAxes().rotation);
    EXPECT_EQ(F(global.sx, 3), "3.400");
    EXPECT_EQ(F(global.sy, 3), "1.001");
    EXPECT_NEAR(global.sy, 1.000519, 5e-7);
    EXPECT_EQ(F(global.sz, 3), "8.000");
    EXPECT_EQ(F(global.txy, 3), "1.000");
    EXPECT_EQ(F(global.tyz, 3), "-1.000");
    EXPECT_EQ(F(global.tzx, 3), "2.000");
}

TEST(UserSystem, HugeStressesTransformWithoutSpuriousOverflow)
{
    const double big = 1e308;
    const StressState user = TransformToUserSystem({big, big, big, 0, 0, 0}, DefaultAxes().rotation);
    EXPECT_NEAR(user.sx / big, 1, 1e-14);
    EXPECT_NEAR(user.txy / big, 0, 1e-14);
}

}  // namespace
}  // namespace tensorium
