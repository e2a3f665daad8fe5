// What the exercise tests share: the window's input fields, the state a
// failed opening must leave alone, and files written byte for byte.
#pragma once

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_window/frm_tensorium.h"

namespace tensorium::testing_support {

// Every input an exercise holds, in the window's names.
inline const char* const kExerciseFields[] = {
    "input_sx",        "input_sy",        "input_sz",      "input_txy",       "input_tyz",
    "input_tzx",       "edtbeta",         "edtpsi",        "edttheta",        "input_joint_beta",
    "input_joint_psi", "input_joint_phi", "input_joint_c", "edtUserComment1", "edtUserComment2"};

// Every text box of the window, inputs and outputs, the azimuth convention
// and the page shown.
inline QMap<QString, QString> WindowState(const TFrmTensorium& window)
{
    QMap<QString, QString> state;
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>())
        if (!edit->objectName().isEmpty()) state[edit->objectName()] = edit->text();
    state["convention"] = window.findChild<QAction*>("mnuAngleLeft")->isChecked() ? "left" : "right";
    state["page"] = window.findChild<QTabWidget*>("PageControl")->currentWidget()->objectName();
    return state;
}

// Acts on the top-level widget named `name` once it is shown (a modal
// dialog runs its own event loop), looking every few milliseconds for up to
// ten seconds.
inline void WhenShown(const QString& name, std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer(qApp);  // owned by the application, never left behind
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, name, act] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name && top->isVisible()) {
                timer->stop();
                timer->deleteLater();
                act(top);
                return;
            }
        }
        if (++*tries > 1000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << name.toStdString() << " was never shown";
        }
    });
    timer->start(10);
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace tensorium::testing_support
