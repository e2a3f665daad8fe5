// A shown main window whose failures are collected instead of shown in a box.
#pragma once

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "app/app_settings.h"
#include "app/main_window/frm_tensorium.h"

namespace tensorium::testing_support {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Every test starts as the program's first run.
        OpenSettings()->clear();
        window = std::make_unique<TFrmTensorium>();
        window->setFailureReporter([this](const QString& message) { failures << message; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QLineEdit>
    T* Find(const char* name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString Text(const char* name) const { return Find(name)->text(); }
    void Type(const char* name, const QString& text) { Find(name)->setText(text); }
    void SetGlobal(const QStringList& values)
    {
        const char* names[] = {"input_sx", "input_sy", "input_sz", "input_txy", "input_tyz", "input_tzx"};
        for (int i = 0; i < 6; ++i) Type(names[i], values[i]);
    }

    QAction* Action(const char* name) const { return Find<QAction>(name); }

    // Moves the input focus from one control to another, as a Tab or a click does.
    void MoveFocus(const char* from, const char* to)
    {
        Find<QWidget>(from)->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        Find<QWidget>(to)->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    // The texts of every output box of the Principal page.
    QStringList PrincipalTexts() const
    {
        QStringList texts;
        for (const char* name : {"input_s1", "input_s2", "input_s3", "input_s1_beta", "input_s1_psi",
                                 "input_s2_beta", "input_s2_psi", "input_s3_beta", "input_s3_psi", "edtL1",
                                 "edtM1", "edtN1", "edtL2", "edtM2", "edtN2", "edtL3", "edtM3", "edtN3"})
            texts << Text(name);
        return texts;
    }

    std::unique_ptr<TFrmTensorium> window;
    QStringList failures;
};

}  // namespace tensorium::testing_support
