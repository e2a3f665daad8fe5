#include "tests/probe/test_probe.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>

#include <unistd.h>

#include <cstdio>

#include "app/files/whole_file_writer.h"

namespace tensorium {
namespace {

QString Place(const QWidget* w, const QRect& local)
{
    const QPoint origin = w->mapToGlobal(local.topLeft());
    return QString("%1\t%2\t%3\t%4").arg(origin.x()).arg(origin.y()).arg(local.width()).arg(local.height());
}

}  // namespace

TestProbe::TestProbe(const QString& path, QObject* parent)
    : QObject(parent), path_(path), commands_(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&timer_, &QTimer::timeout, this, &TestProbe::Snapshot);
    timer_.start(50);
    connect(&commands_, &QSocketNotifier::activated, this, &TestProbe::ReadCommand);
}

// One command a line; the end of the input ends the listening.
void TestProbe::ReadCommand()
{
    char buffer[256];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) {
        commands_.setEnabled(false);
        return;
    }
    for (const QByteArray& line : QByteArray(buffer, count).split('\n')) {
        QWidget* window = QApplication::activeWindow();
        if (line.trimmed() == "exit") {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (qobject_cast<QMainWindow*>(top))
                    if (auto* item = top->findChild<QAction*>("mnuExit")) item->trigger();
        } else if (line.trimmed() == "alt+f4" && window) {
            // Not spontaneous, so the window's shortcuts see it first, as with a real key.
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
            QApplication::sendEvent(target, &press);
        }
    }
}

void TestProbe::Snapshot()
{
    QString out;
    QTextStream s(&out);
    const QWidget* focus = QApplication::focusWidget();
    s << "focus\t" << (focus ? focus->objectName() : QString()) << '\n';
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        s << "window\t" << top->metaObject()->className() << '\t' << top->windowTitle() << '\t'
          << Place(top, top->rect()) << '\n';
        for (const QTabWidget* tabs : top->findChildren<QTabWidget*>()) {
            s << "page\t" << tabs->currentWidget()->objectName() << '\n';
            for (int i = 0; i < tabs->count(); ++i)
                s << "tab\t" << tabs->tabText(i) << '\t' << Place(tabs->tabBar(), tabs->tabBar()->tabRect(i))
                  << '\n';
        }
        for (const QLineEdit* edit : top->findChildren<QLineEdit*>()) {
            if (edit->objectName().isEmpty() || edit->objectName().startsWith("qt_")) continue;
            s << "edit\t" << edit->objectName() << '\t' << edit->text() << '\t' << Place(edit, edit->rect())
              << '\n';
        }
        for (const QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
            if (b->objectName().isEmpty() || !b->isVisible()) continue;
            s << "button\t" << b->objectName() << '\t' << b->isChecked() << '\t' << Place(b, b->rect())
              << '\n';
        }
        if (const auto* window = qobject_cast<const QMainWindow*>(top)) {
            const QMenuBar* bar = window->menuBar();
            for (QAction* menu : bar->actions())
                s << "menu\t" << QString(menu->text()).remove('&') << '\t'
                  << Place(bar, bar->actionGeometry(menu)) << '\n';
        }
        if (const auto* menu = qobject_cast<const QMenu*>(top)) {
            for (QAction* item : menu->actions())
                if (!item->isSeparator())
                    s << "item\t" << item->objectName() << '\t' << item->isChecked() << '\t'
                      << Place(menu, menu->actionGeometry(item)) << '\n';
        }
    }
    if (const QWidget* modal = QApplication::activeModalWidget()) {
        const auto* box = qobject_cast<const QMessageBox*>(modal);
        s << "modal\t" << modal->metaObject()->className() << '\t' << modal->windowTitle() << '\t'
          << (box ? box->text() : QString()) << '\t' << (box ? int(box->icon()) : -1) << '\n';
    }
    s.flush();
    // Whole or not at all, so that the driving test never reads half a state.
    WriteWholeFile(path_, out.toUtf8(), "The window's state", nullptr);
    if (!saidReady_) {
        saidReady_ = true;
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    }
}

}  // namespace tensorium
