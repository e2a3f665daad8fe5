// The main window's part in the other windows: it opens the explorer, and it
// writes into its inputs what another window asks for, as typing would.
#include <utility>

#include "app/explorer/frm_explorer.h"
#include "app/files/exercise_file.h"
#include "app/main_window/frm_tensorium.h"
#include "app/widgets/tedit.h"

namespace tensorium {

void TFrmTensorium::mnuStressExplorerClick()
{
    if (!explorer_) {
        explorer_ = new FrmExplorer(session_, this);
        explorer_->setWindowFlag(Qt::Window);
        explorer_->SetPlaneSet(planeSet_);
        // An exercise file's view of the explorer wins over the one remembered.
        if (pendingLesson_) explorer_->ShowLesson(*std::exchange(pendingLesson_, nullptr));
        if (savedExercise_ && !savedExercise_->explorer) savedExercise_->explorer = explorer_->Lesson();
        connect(explorer_, &FrmExplorer::LessonChanged, this, &TFrmTensorium::UpdateTitle);
        explorer_->SetResultsHidden(resultsHidden_);
        explorer_->SetWorkingHidden(workingHidden_);
    }
    explorer_->show();
    explorer_->raise();
    explorer_->activateWindow();
}

void TFrmTensorium::EditInputs(const std::vector<InputEdit>& edits)
{
    bool global = false;
    for (const InputEdit& edit : edits) {
        TEdit* field = nullptr;
        switch (edit.input) {
            case TypedInput::JointDipDirection: field = input_joint_beta; break;
            case TypedInput::JointDip: field = input_joint_psi; break;
            case TypedInput::Sx: field = input_sx; break;
            case TypedInput::Sy: field = input_sy; break;
            case TypedInput::Sz: field = input_sz; break;
            case TypedInput::Txy: field = input_txy; break;
            case TypedInput::Tyz: field = input_tyz; break;
            case TypedInput::Tzx: field = input_tzx; break;
        }
        global = global || field == input_sx || field == input_sy || field == input_sz ||
                 field == input_txy || field == input_tyz || field == input_tzx;
        field->setText(edit.text);
    }
    // A new tensor runs the whole cycle, a new joint the joint's part.
    Guarded(global ? &TFrmTensorium::btnCalculateClick : &TFrmTensorium::btnCalculateJointClick);
}

}  // namespace tensorium
