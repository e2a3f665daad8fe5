// A shown main window with its stress explorer opened from the View menu.
#pragma once

#include "app/explorer/frm_explorer.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {

class ExplorerTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Action("mnuStressExplorer")->trigger();
        explorer = window->findChild<FrmExplorer*>("FrmExplorer");
        ASSERT_NE(explorer, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(explorer));
    }
    QString Out(const char* name) const { return explorer->findChild<QLineEdit*>(name)->text(); }
    void EnterPorePressure(const QString& text)
    {
        auto* box = explorer->findChild<QLineEdit*>("edtPorePressure");
        box->setText(text);
        emit box->returnPressed();
    }

    FrmExplorer* explorer = nullptr;
};

}  // namespace tensorium::testing_support
