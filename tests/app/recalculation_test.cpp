// The recalculation cycle: its triggers, its results and its failures.
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

using Recalculation = WindowTest;

const QStringList kDefaultPrincipal = {"8.794",     "3.341",    "0.266",    "283.10",   "69.95",
                                       "60.78",     "15.10",    "154.32",   "12.88",    "0.333929",
                                       "-0.077687", "0.939391", "0.842622", "0.471273", "-0.260557",
                                       "-0.422468", "0.878560", "0.222832"};

TEST_F(Recalculation, ShowingTheWindowFillsThePrincipalPage)
{
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(PrincipalTexts(), kDefaultPrincipal);
}

TEST_F(Recalculation, TypingAloneChangesNothingUntilTheFocusLeaves)
{
    Find("input_sx")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(Find("input_sx"), "0");  // "3.40": same value
    Type("input_sz", "9");
    EXPECT_EQ(Text("input_s1"), "8.794");
    MoveFocus("input_sz", "input_sy");  // leaving input_sz commits it
    EXPECT_NE(Text("input_s1"), "8.794");
    EXPECT_EQ(window->stress().sz, 9);
}

TEST_F(Recalculation, LeavingAJointFieldRunsTheWholeCycle)
{
    Type("input_sx", "10");
    MoveFocus("input_joint_phi", "input_joint_c");
    EXPECT_EQ(window->stress().sx, 10);
}

TEST_F(Recalculation, EveryButtonRunsTheCycle)
{
    for (const char* button : {"btnCalculate", "btnCalculateJoint", "btnUpdateUser"}) {
        SetGlobal({"1", "2", "3", "0", "0", "0"});
        Find<QPushButton>(button)->click();
        EXPECT_EQ(Text("input_s1"), "3.000") << button;
        SetGlobal({"3.4", "1", "8", "1", "-1", "2"});
        Find<QPushButton>(button)->click();
        EXPECT_EQ(PrincipalTexts(), kDefaultPrincipal) << button;
    }
}

TEST_F(Recalculation, AUsersPageChangeRunsTheCycleAndTheProgramsDoesNot)
{
    auto* pages = Find<QTabWidget>("PageControl");
    SetGlobal({"1", "2", "3", "0", "0", "0"});
    pages->setCurrentIndex(1);  // as the tab bar does when the user picks a page
    EXPECT_EQ(Text("input_s1"), "3.000");

    // "Update global from user" shows the Global page without a cycle.
    Type("edtsxt", "3.4");
    Find<QPushButton>("btnUpdateGlobal")->click();
    EXPECT_EQ(pages->currentWidget()->objectName(), "tbcGlobal");
    EXPECT_EQ(QApplication::focusWidget(), Find("input_tzx"));
    EXPECT_EQ(Text("input_s1"), "3.000");
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(Recalculation, AzimuthConventionChangesOnlyTheAzimuths)
{
    Action("mnuAngleLeft")->trigger();
    EXPECT_TRUE(Action("mnuAngleLeft")->isChecked());
    EXPECT_FALSE(Action("mnuAngleRight")->isChecked());
    EXPECT_EQ(window->convention(), AzimuthConvention::azCounterclockwiseFromEast);
    QStringList expected = kDefaultPrincipal;
    expected[3] = "166.90";
    expected[5] = "29.22";
    expected[7] = "295.68";
    EXPECT_EQ(PrincipalTexts(), expected);

    // Choosing the checked item again recalculates and changes nothing.
    Type("input_s1", "typed over");
    Action("mnuAngleLeft")->trigger();
    EXPECT_EQ(PrincipalTexts(), expected);

    Action("mnuAngleRight")->trigger();
    EXPECT_EQ(PrincipalTexts(), kDefaultPrincipal);
}

TEST_F(Recalculation, ABadFieldStopsTheCycleAndKeepsEveryOutput)
{
    Type("input_sx", "10");
    Type("input_sy", "20");
    Type("input_sz", "5x");
    Type("input_txy", "7");
    Find<QPushButton>("btnCalculate")->click();
    ASSERT_EQ(failures, QStringList{"'5x' is not a valid floating point value"});
    EXPECT_EQ(PrincipalTexts(), kDefaultPrincipal);
    // Fields read before the bad one are stored; it and those after keep their values.
    EXPECT_EQ(window->stress().sx, 10);
    EXPECT_EQ(window->stress().sy, 20);
    EXPECT_EQ(window->stress().sz, 8);
    EXPECT_EQ(window->stress().txy, 1);
}

TEST_F(Recalculation, FailuresNameTheFirstBadFieldInReadingOrder)
{
    Type("input_joint_c", "");
    Type("edtpsi", " 3 0 ");
    Find<QPushButton>("btnCalculate")->click();
    Type("edtpsi", "30");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(failures, (QStringList{"' 3 0 ' is not a valid floating point value",
                                     "'' is not a valid floating point value"}));
    // The bad field keeps the value of the last cycle; the one before it is stored.
    EXPECT_EQ(window->userSystem().psi, DegToRad(30));
    EXPECT_EQ(window->userSystem().beta, DegToRad(125));
}

TEST_F(Recalculation, OverflowingInputIsReportedAndKeepsTheOldValue)
{
    Type("input_sy", "1e400");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(failures, QStringList{"Floating point overflow"});
    EXPECT_EQ(window->stress().sy, 1);
    EXPECT_EQ(PrincipalTexts(), kDefaultPrincipal);
}

TEST_F(Recalculation, HugeStressesBeyondTheDoubleRangeFailCleanly)
{
    for (const char* name : {"input_sx", "input_sy", "input_txy"}) Type(name, "1.5e308");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(failures, QStringList{"Floating point overflow"});
    EXPECT_EQ(PrincipalTexts(), kDefaultPrincipal);
}

TEST_F(Recalculation, ZeroAndHydrostaticStatesAreValid)
{
    const QStringList hydrostatic = {"5.000",    "5.000",     "5.000",    "180.00",   "90.00",    "180.00",
                                     "0.00",     "90.00",     "0.00",     "0.000000", "0.000000", "1.000000",
                                     "0.000000", "-1.000000", "0.000000", "1.000000", "0.000000", "0.000000"};
    SetGlobal({"5", "5", "5", "0", "0", "0"});
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(PrincipalTexts(), hydrostatic);

    for (const char* name : {"input_sx", "input_sy", "input_sz"}) Type(name, "0");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(Text("input_s1"), "0.000");
    EXPECT_EQ(Text("input_s3"), "0.000");
}

TEST_F(Recalculation, CheckBoxesDoNotReadTheInputs)
{
    Type("input_sx", "not a number");
    Find<QCheckBox>("chkUser")->click();
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(window->stress().sx, 3.4);
}

TEST_F(Recalculation, ThousandsAreShownWithTheSeparator)
{
    SetGlobal({"3400", "1000", "8000", "1000", "-1000", "2000"});
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(Text("input_s1"), "8,793.647");
    EXPECT_EQ(Text("input_s2"), "3,340.851");
    EXPECT_EQ(Text("input_s3"), "265.502");
    EXPECT_EQ(Text("input_s1_beta"), "283.10");
}

TEST_F(Recalculation, ExitClosesTheWindow)
{
    Action("mnuExit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace tensorium::testing_support

namespace tensorium::testing_support {
namespace {

TEST_F(Recalculation, TheWholeBadTextIsQuotedEvenWithANulCharacter)
{
    const QString text = QString("4") + QChar(0) + "2";
    Type("input_sx", text);
    Find<QPushButton>("btnCalculate")->click();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0], "'" + text + "' is not a valid floating point value");
}

}  // namespace
}  // namespace tensorium::testing_support
