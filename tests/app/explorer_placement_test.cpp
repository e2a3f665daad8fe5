// Where the explorer opens on a real X screen of 1920 x 1080, and what it
// remembers for the next run.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QScreen>

#include "app/explorer/explorer_net.h"
#include "tests/app/explorer_fixture.h"

namespace tensorium::testing_support {
namespace {

class ExplorerPlacement : public WindowTest {
protected:
    FrmExplorer* Open()
    {
        Action("mnuStressExplorer")->trigger();
        auto* explorer = window->findChild<FrmExplorer*>("FrmExplorer");
        EXPECT_TRUE(explorer && QTest::qWaitForWindowExposed(explorer));
        return explorer;
    }
    QRect Room() const { return window->screen()->availableGeometry(); }
};

TEST_F(ExplorerPlacement, OpensBesideTheMainWindowWhenTheScreenHasRoom)
{
    ASSERT_GE(Room().width(), 1900) << "the test runs on a 1920 x 1080 screen";
    window->move(Room().topLeft());
    QApplication::processEvents();
    FrmExplorer* explorer = Open();
    ASSERT_NE(explorer, nullptr);
    EXPECT_FALSE(explorer->frameGeometry().intersects(window->frameGeometry()))
        << "beside, not over the main window";
    EXPECT_TRUE(Room().contains(explorer->frameGeometry()));
}

// With less room beside the main window than the explorer's own width, but
// room enough for its diagrams, it opens narrower beside the main window.
TEST_F(ExplorerPlacement, OpensNarrowerBesideTheMainWindowRatherThanOverIt)
{
    const int room = 900;
    window->move(Room().right() + 1 - room - window->frameGeometry().width(), Room().top());
    QApplication::processEvents();
    ASSERT_LT(window->frameGeometry().left() - Room().left(), 640) << "no room on the left";
    FrmExplorer* explorer = Open();
    ASSERT_NE(explorer, nullptr);
    EXPECT_FALSE(explorer->frameGeometry().intersects(window->frameGeometry()));
    EXPECT_TRUE(Room().contains(explorer->frameGeometry()));
    EXPECT_GE(explorer->frameGeometry().width(), 640);
    EXPECT_GE(explorer->frameGeometry().width(), room - 40) << "it takes the room there is";
}

TEST_F(ExplorerPlacement, RemembersItsPlaceTextSizeFieldAndLayersForTheNextRun)
{
    FrmExplorer* explorer = Open();
    ASSERT_NE(explorer, nullptr);
    const QRect place(Room().topLeft() + QPoint(300, 200), QSize(1000, 600));
    explorer->setGeometry(place);
    QApplication::processEvents();
    explorer->findChild<QAction*>("mnuLargerText")->trigger();
    explorer->findChild<QAction*>("mnuLargerText")->trigger();
    explorer->findChild<QComboBox*>("cmbField")->setCurrentIndex(2);
    explorer->findChild<QCheckBox*>("chkExplorerUser")->setChecked(true);
    explorer->findChild<QCheckBox*>("chkExplorerPrincipal")->setChecked(false);
    const QRect remembered = explorer->geometry();

    // The next run: a new main window, settings kept.
    window.reset();
    window = std::make_unique<TFrmTensorium>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    explorer = Open();
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(explorer->geometry(), remembered);
    EXPECT_EQ(explorer->TextSteps(), 2);
    EXPECT_DOUBLE_EQ(explorer->Net().TextScale(), 1.25 * 1.25);
    EXPECT_EQ(explorer->findChild<QComboBox*>("cmbField")->currentIndex(), 2);
    EXPECT_EQ(explorer->Net().Field().kind, FieldKind::DilationTendency);
    EXPECT_TRUE(explorer->findChild<QCheckBox*>("chkExplorerUser")->isChecked());
    EXPECT_FALSE(explorer->findChild<QCheckBox*>("chkExplorerPrincipal")->isChecked());
}

}  // namespace
}  // namespace tensorium::testing_support
