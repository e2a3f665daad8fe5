// The User defined and Joint slip pages inside the cycle.
#include <QPushButton>
#include <QTabWidget>

#include "app/widgets/tedit.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class UserAndJoint : public WindowTest {
protected:
    QStringList Texts(std::initializer_list<const char*> names) const
    {
        QStringList texts;
        for (const char* name : names) texts << Text(name);
        return texts;
    }
    QStringList GlobalTexts() const
    {
        return Texts({"input_sx", "input_sy", "input_sz", "input_txy", "input_tyz", "input_tzx"});
    }
    QStringList UserTexts() const
    {
        return Texts({"edtsxt", "edtsyt", "edtszt", "edttxyt", "edttyzt", "edttzxt"});
    }
    void SetUser(const QStringList& values)
    {
        const char* names[] = {"edtsxt", "edtsyt", "edtszt", "edttxyt", "edttyzt", "edttzxt"};
        for (int i = 0; i < 6; ++i) Type(names[i], values[i]);
    }
    QColor SfColour() const { return Find<TEdit>("input_SF")->textColour(); }
    void Calculate() { Find<QPushButton>("btnCalculate")->click(); }
    QString CurrentPage() const { return Find<QTabWidget>("PageControl")->currentWidget()->objectName(); }
};

const QColor kRed(255, 0, 0), kGreen(0, 128, 0);

TEST_F(UserAndJoint, EveryCycleShowsTheUserStressesAndTheJoint)
{
    EXPECT_EQ(UserTexts(), (QStringList{"2.082", "1.985", "8.333", "-1.308", "-1.315", "-1.407"}));
    EXPECT_EQ(Texts({"input_sigma", "input_tau", "input_taulim", "input_SF"}),
              (QStringList{"5.760", "4.033", "2.436", "0.604"}));
    EXPECT_EQ(SfColour(), kRed);

    // Typed user stresses are discarded by the next cycle.
    SetUser({"1", "2", "3", "4", "5", "6"});
    Find<QPushButton>("btnUpdateUser")->click();
    EXPECT_EQ(UserTexts()[0], "2.082");
}

TEST_F(UserAndJoint, UpdateGlobalFromUserWritesTheGlobalBoxesOnly)
{
    Find<QTabWidget>("PageControl")->setCurrentWidget(Find<QWidget>("tbcUser"));
    SetUser({"10", "0", "0", "0", "0", "0"});
    Find<QPushButton>("btnUpdateGlobal")->click();
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(GlobalTexts(), (QStringList{"1.372", "8.460", "0.167", "3.407", "1.190", "0.479"}));
    EXPECT_EQ(CurrentPage(), "tbcGlobal");
    // Nothing else was recomputed.
    EXPECT_EQ(Text("input_s1"), "8.794");
    EXPECT_EQ(Text("input_sigma"), "5.760");
    EXPECT_EQ(UserTexts()[0], "10");

    // The next trigger recomputes everything from the rewritten global boxes.
    Find<QTabWidget>("PageControl")->setCurrentWidget(Find<QWidget>("tbcPrincipal"));
    // The typed stress comes back to within the rounding of the global boxes.
    EXPECT_NE(Text("input_s1"), "8.794");
    EXPECT_NEAR(window->userSystem().stress.sx, 10, 2e-3);
    EXPECT_NEAR(window->userSystem().stress.tyz, 0, 2e-3);
    EXPECT_NEAR(window->principal().s1, 10, 2e-3);
}

TEST_F(UserAndJoint, ReadingBackTheShownUserStresses)
{
    Find<QPushButton>("btnUpdateGlobal")->click();
    EXPECT_EQ(GlobalTexts(), (QStringList{"3.400", "1.001", "8.000", "1.000", "-1.000", "2.000"}));
}

TEST_F(UserAndJoint, ABadUserFieldLeavesTheGlobalBoxesAndThePage)
{
    Find<QTabWidget>("PageControl")->setCurrentWidget(Find<QWidget>("tbcUser"));
    Type("edtbeta", "200");
    Type("edtpsi", "3O");
    SetUser({"10", "0", "0", "0", "0", "0"});
    Find<QPushButton>("btnUpdateGlobal")->click();
    EXPECT_EQ(failures, QStringList{"'3O' is not a valid floating point value"});
    EXPECT_EQ(GlobalTexts(), (QStringList{"3.4", "1", "8", "1", "-1", "2"}));
    EXPECT_EQ(CurrentPage(), "tbcUser");
    EXPECT_EQ(window->userSystem().beta, DegToRad(200)) << "the angle read before the bad one is stored";

    Type("edtpsi", "30");
    Type("edttzxt", "");
    Find<QPushButton>("btnUpdateGlobal")->click();
    EXPECT_EQ(failures.last(), "'' is not a valid floating point value");
    EXPECT_EQ(GlobalTexts()[0], "3.4");
}

// Values of a thousand and more travel between the two pages and back.
TEST_F(UserAndJoint, LargeStressesRoundTripThroughBothPages)
{
    SetGlobal({"12345.678", "1", "8", "1", "-1", "2"});
    Type("edtbeta", "0");
    Type("edtpsi", "0");
    Type("edttheta", "0");
    Calculate();
    EXPECT_EQ(UserTexts()[0], "12345.678");
    EXPECT_EQ(Text("input_s1"), "12,345.678") << "elsewhere the thousands stay grouped";
    Find<QPushButton>("btnUpdateGlobal")->click();
    EXPECT_EQ(GlobalTexts()[0], "12345.678");
    Calculate();
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(window->stress().sx, 12345.678);
}

TEST_F(UserAndJoint, SafetyFactorColours)
{
    Type("input_joint_c", "10");
    Calculate();
    EXPECT_EQ(SfColour(), kGreen);
    EXPECT_EQ(Text("input_taulim"), "11.436");

    // A horizontal joint under a vertical principal axis: no shear, an empty
    // factor, and the colour of the cycle before.
    SetGlobal({"3.4", "1", "8", "1", "0", "0"});
    Type("input_joint_psi", "0");
    Calculate();
    EXPECT_EQ(Texts({"input_sigma", "input_tau", "input_taulim", "input_SF"}),
              (QStringList{"8.000", "0.000", "11.995", ""}));
    EXPECT_EQ(SfColour(), kGreen);

    // The negated state: tension, no strength, red.
    SetGlobal({"-3.4", "-1", "-8", "-1", "1", "-2"});
    Type("input_joint_psi", "33");
    Calculate();
    EXPECT_EQ(Texts({"input_sigma", "input_tau", "input_taulim", "input_SF"}),
              (QStringList{"-5.760", "4.033", "0.000", "0.000"}));
    EXPECT_EQ(SfColour(), kRed);
}

TEST_F(UserAndJoint, ABadJointFieldChangesNoOutput)
{
    Type("input_joint_beta", "45");
    Type("input_joint_phi", "x");
    Calculate();
    EXPECT_EQ(failures, QStringList{"'x' is not a valid floating point value"});
    EXPECT_EQ(Text("input_sigma"), "5.760");
    EXPECT_EQ(window->jointPlane().azimuth, DegToRad(45));
    EXPECT_EQ(window->jointPlane().phi, 14);
}

TEST_F(UserAndJoint, TheConventionChangesNoJointResult)
{
    const QStringList before = Texts({"input_sigma", "input_tau", "input_taulim", "input_SF"});
    Action("mnuAngleLeft")->trigger();
    EXPECT_EQ(Texts({"input_sigma", "input_tau", "input_taulim", "input_SF"}), before);
}

}  // namespace
}  // namespace tensorium::testing_support
