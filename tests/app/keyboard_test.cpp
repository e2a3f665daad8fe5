// The window without a mouse: access keys, Return in the inputs, and the
// About links reached with Tab.
#include <QCheckBox>
#include <QDesktopServices>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

#include "app/widgets/tlinklabel.h"
#include "tests/app/url_catcher.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {

namespace {

using Keyboard = WindowTest;

QKeySequence AccessKey(const QString& caption) { return QKeySequence::mnemonic(caption); }

TEST_F(Keyboard, MenuTitlesHaveAccessKeysAndKeepTheirWords)
{
    const QStringList words = {"File", "Edit", "Angles", "View", "Exercise"};
    const QList<QKeySequence> keys = {QKeySequence(Qt::ALT | Qt::Key_F), QKeySequence(Qt::ALT | Qt::Key_E),
                                      QKeySequence(Qt::ALT | Qt::Key_A), QKeySequence(Qt::ALT | Qt::Key_V),
                                      QKeySequence(Qt::ALT | Qt::Key_X)};
    const auto titles = window->menuBar()->actions();
    ASSERT_EQ(titles.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(QString(titles[i]->text()).remove('&'), words[i]);
        EXPECT_EQ(AccessKey(titles[i]->text()), keys[i]);
    }
}

TEST_F(Keyboard, EveryButtonAndCheckBoxHasAnAccessKeyUniqueOnItsPage)
{
    QList<QKeySequence> menuKeys;
    for (QAction* title : window->menuBar()->actions()) menuKeys << AccessKey(title->text());
    auto* pages = Find<QTabWidget>("PageControl");
    for (int i = 0; i < pages->count(); ++i) {
        QList<QKeySequence> keys = menuKeys;
        for (QAbstractButton* button : pages->widget(i)->findChildren<QAbstractButton*>()) {
            const QKeySequence key = AccessKey(button->text());
            EXPECT_FALSE(key.isEmpty()) << button->objectName().toStdString();
            EXPECT_FALSE(keys.contains(key)) << button->objectName().toStdString() << " clashes";
            keys << key;
        }
    }
}

// A button shows itself pressed for a moment before it clicks.
TEST_F(Keyboard, AccessKeysPressTheirControls)
{
    SetGlobal({"1", "2", "3", "0", "0", "0"});
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text("input_s1") == "3.000"; }));

    auto* pages = Find<QTabWidget>("PageControl");
    pages->setCurrentWidget(Find<QWidget>("tbcStereographic"));
    QTest::keyClick(window.get(), Qt::Key_J, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Find<QCheckBox>("chkJoint")->isChecked(); }));

    pages->setCurrentWidget(Find<QWidget>("tbcUser"));
    Type("edtsxt", "10");
    QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pages->currentWidget()->objectName() == "tbcGlobal"; }));
    EXPECT_EQ(window->userSystem().stress.sx, 10);
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(Keyboard, ReturnInAGlobalOrJointInputRunsTheCycle)
{
    const char* inputs[] = {"input_sx",        "input_sy",     "input_sz",         "input_txy",
                            "input_tyz",       "input_tzx",    "input_joint_beta", "input_joint_psi",
                            "input_joint_phi", "input_joint_c"};
    for (const char* name : inputs) {
        SCOPED_TRACE(name);
        SetGlobal({"1", "2", "3", "0", "0", "0"});
        Find<QPushButton>("btnCalculate")->click();
        ASSERT_EQ(Text("input_s1"), "3.000");
        auto* pages = Find<QTabWidget>("PageControl");
        QLineEdit* field = Find(name);
        pages->setCurrentWidget(field->parentWidget()->parentWidget());
        field->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        Type("input_sz", "9");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(Text("input_s1"), "9.000");
        EXPECT_EQ(QApplication::focusWidget(), field) << "the focus stays";
    }
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(Keyboard, TabReachesTheLinksAndReturnOrSpaceOpensThem)
{
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    Find<QTabWidget>("PageControl")->setCurrentWidget(Find<QWidget>("tbcAbout"));
    Find<QWidget>("RichEdit3")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), i == 1 ? Qt::Key_Space : Qt::Key_Return);
    }
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(visited, (QStringList{"Label28", "Label33", "Label32"}));
    EXPECT_EQ(browser.opened, (QList<QUrl>{QUrl("https://www.northfield-tech.example/"),
                                           QUrl("https://civil.northfield-tech.example/"),
                                           QUrl("https://rocklab.northfield-tech.example/")}));
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(Keyboard, AFocusedLinkShowsAFocusFrame)
{
    Find<QTabWidget>("PageControl")->setCurrentWidget(Find<QWidget>("tbcAbout"));
    auto* link = Find<TLinkLabel>("Label28");
    const QImage unfocused = link->grab().toImage();
    link->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(link->hasFocus());
    EXPECT_NE(link->grab().toImage(), unfocused);
}

}  // namespace
}  // namespace tensorium::testing_support
