// The window as designed: pages, controls, captions, defaults, menu.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include "app/widgets/tpicture.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

using WindowLayout = WindowTest;

TEST_F(WindowLayout, WindowHasItsFixedClientAreaCaptionAndPosition)
{
    EXPECT_EQ(window->windowTitle(), "Tensorium (version 2.0)");
    EXPECT_EQ(window->objectName(), "FrmTensorium");
    EXPECT_EQ(window->centralWidget()->size(), QSize(618, 401));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(Find<QTabWidget>("PageControl")->geometry(), QRect(0, 0, 617, 401));
}

TEST_F(WindowLayout, SevenPagesInOrderWithTheGlobalPageActive)
{
    auto* pages = Find<QTabWidget>("PageControl");
    const QStringList names = {"tbcGlobal", "tbcPrincipal", "tbcUser", "tbcStereographic",
                               "TabSheet1", "tbcJointSlip", "tbcAbout"};
    const QStringList captions = {"Global",       "Principal",  "User defined", "Stereographic",
                                  "Mohr circles", "Joint slip", "About"};
    ASSERT_EQ(pages->count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
        EXPECT_EQ(pages->tabText(i), captions[i]);
    }
    EXPECT_EQ(pages->currentWidget()->objectName(), "tbcGlobal");
}

struct EditCase {
    const char* name;
    QRect geometry;
    const char* text;
    bool readOnly;
};

TEST_F(WindowLayout, InputBoxesAtTheirPlacesWithTheirDefaults)
{
    const EditCase cases[] = {
        {"input_sx", {24, 16, 73, 21}, "3.4", false},
        {"input_sy", {24, 42, 73, 21}, "1", false},
        {"input_sz", {24, 68, 73, 21}, "8", false},
        {"input_txy", {24, 100, 73, 21}, "1", false},
        {"input_tyz", {24, 126, 73, 21}, "-1", false},
        {"input_tzx", {24, 152, 73, 21}, "2", false},
        {"edtUserComment1", {328, 312, 273, 21}, "", false},
        {"edtUserComment2", {328, 344, 273, 21}, "", false},
        {"edtbeta", {48, 16, 65, 21}, "125", false},
        {"edtpsi", {48, 56, 65, 21}, "30", false},
        {"edttheta", {48, 96, 65, 21}, "15", false},
        {"input_joint_beta", {64, 32, 73, 21}, "16", false},
        {"input_joint_psi", {64, 56, 73, 21}, "33", false},
        {"input_joint_phi", {64, 96, 73, 21}, "14", false},
        {"input_joint_c", {64, 120, 73, 21}, "1", false},
        {"input_sigma", {72, 24, 65, 21}, nullptr, true},
        {"input_SF", {72, 120, 65, 21}, nullptr, true},
        {"input_s1", {8, 32, 65, 21}, nullptr, true},
        {"input_s2_beta", {8, 88, 65, 21}, nullptr, true},
        {"input_s3_psi", {8, 136, 65, 21}, nullptr, true},
        {"edtL1", {8, 176, 57, 21}, nullptr, false},
        {"edtM2", {8, 208, 57, 21}, nullptr, true},
        {"edtN3", {8, 236, 57, 21}, nullptr, true},
    };
    for (const EditCase& c : cases) {
        QLineEdit* edit = Find(c.name);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->geometry(), c.geometry) << c.name;
        if (c.text) {
            EXPECT_EQ(edit->text(), c.text) << c.name;
        }
        EXPECT_EQ(edit->isReadOnly(), c.readOnly) << c.name;
    }
    // The joint results take no input at all.
    EXPECT_FALSE(Find<QWidget>("Panel2")->isEnabled());
}

TEST_F(WindowLayout, CaptionsOfGroupsButtonsAndCheckBoxes)
{
    EXPECT_EQ(Find<QGroupBox>("GroupBox2")->title(), "Stress on x,y,z");
    EXPECT_EQ(Find<QGroupBox>("GroupBox5")->title(), "Stress on x,y,z");
    EXPECT_EQ(Find<QGroupBox>("GroupBox7")->title(), "Angles - degrees (o)");
    EXPECT_EQ(Find<QGroupBox>("GroupBox8")->title(), "Joint");
    EXPECT_EQ(Find<QGroupBox>("GroupBox1")->title(), "s1");
    EXPECT_EQ(Find<QPushButton>("btnCalculate")->text(), "&Calculate");
    EXPECT_EQ(Find<QPushButton>("btnUpdateUser")->text(), "Update &user from global");
    EXPECT_EQ(Find<QPushButton>("btnUpdateGlobal")->geometry(), QRect(16, 336, 121, 25));
    EXPECT_TRUE(Find<QCheckBox>("chkShowPrincipal")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkUser")->isChecked());
    EXPECT_EQ(Find<QCheckBox>("chkJoint")->text(), "Show &joint");
    EXPECT_EQ(Find<QLabel>("Label59")->text(),
              "Enter your own comments. Comments are being printed in report.");
    EXPECT_EQ(Find<QLabel>("Label1")->text(), "sx");
    EXPECT_EQ(Find<QTextEdit>("RichEdit7")->toPlainText(),
              "Mohr circles. \nRed circle represents s1-s2 principal stress, \n"
              "black circle s1-s3 and green circle s2-s3.");
    EXPECT_FALSE(Find<QWidget>("Panel1")->isVisibleTo(window.get()));
}

TEST_F(WindowLayout, EveryPictureLoads)
{
    for (const char* name : {"Image1", "Image2", "Image3", "Image4"})
        EXPECT_TRUE(Find<TPicture>(name)->isLoaded()) << name;
}

TEST_F(WindowLayout, NoCaptionIsClipped)
{
    for (QCheckBox* check : window->findChildren<QCheckBox*>())
        EXPECT_LE(check->sizeHint().width(), check->width()) << check->objectName().toStdString();
    for (QPushButton* button : window->findChildren<QPushButton*>())
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 6, button->width())
            << button->objectName().toStdString();
}

TEST_F(WindowLayout, GlobalStressesAreVisitedFromTheBottomUp)
{
    const char* order[] = {"input_tzx", "input_tyz", "input_txy",    "input_sz",        "input_sy",
                           "input_sx",  "RichEdit1", "btnCalculate", "edtUserComment1", "edtUserComment2"};
    Find<QWidget>(order[0])->setFocus(Qt::TabFocusReason);
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), order[i + 1]) << "after " << order[i];
    }
}

TEST_F(WindowLayout, MenuItemsWithTheirStates)
{
    struct Item {
        const char* name;
        const char* caption;
        bool enabled;
        const char* shortcut;
    };
    const Item items[] = {{"mnuPrintForm", "Print form", true, ""},
                          {"mnuPrintStereograph", "Print stereograph", true, ""},
                          {"mnuPrintMohrCircles", "Print Mohr circles", true, ""},
                          {"mnuPrinterSetup", "Printer setup", true, ""},
                          {"mnuReport", "Report:", false, ""},
                          {"Reportprintpreview1", "Print preview", true, ""},
                          {"Printreport1", "Print", true, "Ctrl+P"},
                          {"mnuExit", "Exit", true, "Alt+F4"},
                          {"mnuCopyStereograph", "Copy stereograph", true, ""},
                          {"mnuCopyMohrCircles", "Copy Mohr circles", true, ""},
                          {"mnuAnglesPrincipalStress", "Principal stress - Azimuth definition:", false, ""},
                          {"mnuAngleLeft", "Cou&nterclockwise from East (+X axis)", true, ""},
                          {"mnuAngleRight", "&Clockwise from North (+Y axis)", true, ""}};
    for (const Item& item : items) {
        QAction* action = Action(item.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), item.caption);
        EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
        EXPECT_EQ(action->shortcut().toString(), item.shortcut) << item.name;
    }
    EXPECT_TRUE(Action("mnuAngleRight")->isChecked());
    EXPECT_FALSE(Action("mnuAngleLeft")->isChecked());
    EXPECT_TRUE(Action("N1")->isSeparator());
    const QStringList menus = {"&File", "&Edit", "&Angles", "&View", "E&xercise"};
    const auto bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bar[i]->text(), menus[i]);
    EXPECT_EQ(Action("mnuStressExplorer")->text(), "&Stress explorer");
    EXPECT_EQ(Action("mnuStressExplorer")->shortcut(), QKeySequence(Qt::Key_F2));
}

}  // namespace
}  // namespace tensorium::testing_support
