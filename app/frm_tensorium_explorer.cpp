// The main window as the host of the stress explorer: the explorer reads the
// analysis after each cycle and moves the joint through the joint inputs.
#include <QKeySequence>

#include "app/explorer/frm_explorer.h"
#include "app/frm_tensorium.h"
#include "app/widgets/tedit.h"
#include "core/number_format.h"

namespace tensorium {

void TFrmTensorium::mnuStressExplorerClick()
{
    if (!explorer_) {
        explorer_ = new FrmExplorer(*this, this);
        explorer_->setWindowFlag(Qt::Window);
        explorer_->ShowState(model_.state());
        model_.AddListener([this](const AnalysisState& state) { explorer_->ShowState(state); });
    }
    explorer_->show();
    explorer_->raise();
    explorer_->activateWindow();
}

void TFrmTensorium::MoveJoint(double dipDirectionDegrees, double dipDegrees)
{
    // Written as a user would type them: one decimal, the regional separator.
    const NumberSeparators ungrouped{separators_.decimal, ""};
    input_joint_beta->setText(QString::fromStdString(FormatNumber(dipDirectionDegrees, 1, ungrouped)));
    input_joint_psi->setText(QString::fromStdString(FormatNumber(dipDegrees, 1, ungrouped)));
    Guarded(&TFrmTensorium::btnCalculateJointClick);
}

void TFrmTensorium::RunGuarded(const std::function<void()>& action)
{
    guardedAction_ = action;
    Guarded(&TFrmTensorium::RunGuardedAction);
    guardedAction_ = nullptr;
}

void TFrmTensorium::RunGuardedAction() { guardedAction_(); }

}  // namespace tensorium
