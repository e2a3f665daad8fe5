// A field that failed to read takes the focus, selected and framed in red,
// until a cycle reads it.
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "app/widgets/tedit.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

// Pixels of the red failure frame along the box's top edge.
int RedPixelsOnTopEdge(QWidget* field)
{
    QImage image(field->size(), QImage::Format_RGB32);
    field->render(&image);
    int red = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < 3; ++y)
            if (image.pixelColor(x, y) == QColor(255, 0, 0)) ++red;
    return red;
}

class FailedField : public WindowTest {
protected:
    // Types into `name` and leaves it with Tab, as the user does.
    void TypeAndTab(const char* name, const QString& text)
    {
        Find(name)->setFocus(Qt::TabFocusReason);
        Type(name, text);
        QTest::keyClick(Find(name), Qt::Key_Tab);
        QApplication::processEvents();
    }
    void ExpectLedTo(const char* name, const QString& text)
    {
        auto* field = Find<TEdit>(name);
        EXPECT_EQ(QApplication::focusWidget(), field) << name;
        EXPECT_EQ(field->selectedText(), text) << name;
        EXPECT_TRUE(field->isMarkedFailed()) << name;
        EXPECT_GT(RedPixelsOnTopEdge(field), field->width()) << name;
    }
    QString CurrentPage() const { return Find<QTabWidget>("PageControl")->currentWidget()->objectName(); }
};

TEST_F(FailedField, TheFocusComesBackToTheBadTextSelectedAndFramed)
{
    TypeAndTab("input_sz", "5x");
    ASSERT_EQ(failures, QStringList{"'5x' is not a valid floating point value"});
    ExpectLedTo("input_sz", "5x");
    EXPECT_EQ(RedPixelsOnTopEdge(Find("input_sy")), 0);
}

TEST_F(FailedField, RepairingOtherFieldsDoesNotBringTheFailureBack)
{
    TypeAndTab("input_sz", "5x");
    MoveFocus("input_sz", "input_sx");
    TypeAndTab("input_sx", "10");
    MoveFocus("input_sy", "input_txy");
    EXPECT_EQ(failures.size(), 1);
    EXPECT_TRUE(Find<TEdit>("input_sz")->isMarkedFailed());
    EXPECT_EQ(window->stress().sx, 10) << "the fields before the bad one are read";

    // The repaired field reads, and its mark goes.
    TypeAndTab("input_sz", "5");
    EXPECT_EQ(failures.size(), 1);
    EXPECT_EQ(window->stress().sz, 5);
    EXPECT_FALSE(Find<TEdit>("input_sz")->isMarkedFailed());
    EXPECT_EQ(RedPixelsOnTopEdge(Find("input_sz")), 0);
}

TEST_F(FailedField, ANewBadTextAndACommandShowTheFailureAgain)
{
    TypeAndTab("input_sz", "5x");
    TypeAndTab("input_sz", "6y");
    EXPECT_EQ(failures.last(), "'6y' is not a valid floating point value");
    ExpectLedTo("input_sz", "6y");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(failures.size(), 3);
    ExpectLedTo("input_sz", "6y");
}

TEST_F(FailedField, TheFieldsPageComesUpWithoutACycle)
{
    Type("edtpsi", "3O");
    SetGlobal({"1", "2", "3", "0", "0", "0"});
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(CurrentPage(), "tbcUser");
    ExpectLedTo("edtpsi", "3O");
    EXPECT_EQ(failures.size(), 1) << "a cycle on the way would have failed again";

    Type("edtpsi", "30");
    Type("input_joint_phi", "x");
    Find<QPushButton>("btnUpdateUser")->click();
    EXPECT_EQ(CurrentPage(), "tbcJointSlip");
    ExpectLedTo("input_joint_phi", "x");
    EXPECT_FALSE(Find<TEdit>("edtpsi")->isMarkedFailed()) << "read by this cycle";

    Type("input_joint_phi", "14");
    Find<QTabWidget>("PageControl")->setCurrentWidget(Find<QWidget>("tbcUser"));
    Type("edttxyt", "");
    Find<QPushButton>("btnUpdateGlobal")->click();
    EXPECT_EQ(CurrentPage(), "tbcUser");
    ExpectLedTo("edttxyt", "");
    EXPECT_EQ(failures.size(), 3);
}

// Reads the modal box once it is up, counts it, then presses OK.
void CloseBoxesAsTheyCome(int* boxes, int rounds)
{
    QTimer::singleShot(0, [boxes, rounds] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++*boxes;
            box->button(QMessageBox::Ok)->click();
        }
        if (rounds > 0) CloseBoxesAsTheyCome(boxes, rounds - 1);
    });
}

TEST(FailedFieldBox, AfterTheBoxTheFocusIsInTheBadFieldAndTheBoxStaysClosed)
{
    TFrmTensorium window;  // the real failure box
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* sz = window.findChild<TEdit*>("input_sz");
    sz->setFocus(Qt::TabFocusReason);
    sz->setText("5x");
    int boxes = 0;
    CloseBoxesAsTheyCome(&boxes, 50);
    QTest::keyClick(sz, Qt::Key_Tab);
    for (int i = 0; i < 60; ++i) QApplication::processEvents();
    EXPECT_EQ(boxes, 1);
    // The offscreen screen has no window manager to give the window back its activation.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), sz);
    EXPECT_EQ(sz->selectedText(), "5x");
    EXPECT_TRUE(sz->isMarkedFailed());

    // Tab on to another field and back: no box.
    QTest::keyClick(sz, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    for (int i = 0; i < 60; ++i) QApplication::processEvents();
    EXPECT_EQ(boxes, 1);
}

}  // namespace
}  // namespace tensorium::testing_support
