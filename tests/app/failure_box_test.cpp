// The real failure message box, as the user sees it.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/session/failure_box.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

struct SeenBox {
    bool seen = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Reads the modal box once it is up, then presses its OK button.
void ReadAndCloseBox(SeenBox* seen)
{
    QTimer::singleShot(0, [seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return ReadAndCloseBox(seen);
        seen->seen = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
}

TEST(FailureBox, ShowsTheMessageWithAFullStopUnderTheApplicationTitle)
{
    TFrmTensorium window;  // the default reporter: the real message box
    SeenBox seen;
    window.show();
    window.findChild<QLineEdit*>("input_sz")->setText("5x");
    ReadAndCloseBox(&seen);
    window.findChild<QPushButton*>("btnCalculate")->click();
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, "Tensorium version 2.0");
    EXPECT_EQ(seen.text, "'5x' is not a valid floating point value.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(window.isVisible()) << "the window keeps running";
}

}  // namespace
}  // namespace tensorium::testing_support
