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
    }
    explorer_->show();
    explorer_->raise();
    explorer_->activateWindow();
}

void TFrmTensorium::EditInputs(const std::vector<InputEdit>& edits)
{
    for (const InputEdit& edit : edits) {
        TEdit* field = nullptr;
        switch (edit.input) {
            case TypedInput::JointDipDirection: field = input_joint_beta; break;
            case TypedInput::JointDip: field = input_joint_psi; break;
        }
        field->setText(edit.text);
    }
    Guarded(&TFrmTensorium::btnCalculateJointClick);
}

}  // namespace tensorium
