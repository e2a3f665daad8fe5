// Exercise files: the File menu's "Open exercise..." and "Save exercise
// as...", and the slots they use, which a file named on the command line uses
// too.
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

#include "app/files/exercise_file.h"
#include "app/main_window/frm_tensorium.h"
#include "app/widgets/tedit.h"

namespace tensorium {
namespace {

const char* const kExerciseFilter = "Tensorium exercises (*.tensorium)";

}  // namespace

Exercise TFrmTensorium::TypedExercise() const
{
    Exercise exercise;
    const TEdit* global[] = {input_sx, input_sy, input_sz, input_txy, input_tyz, input_tzx};
    for (size_t i = 0; i < exercise.globalStress.size(); ++i) exercise.globalStress[i] = global[i]->text();
    exercise.userAngles = {edtbeta->text(), edtpsi->text(), edttheta->text()};
    exercise.joint = {input_joint_beta->text(), input_joint_psi->text(), input_joint_phi->text(),
                      input_joint_c->text()};
    exercise.comments = {edtUserComment1->text(), edtUserComment2->text()};
    // Choosing a convention stores it before anything else is read.
    exercise.convention = model_.state().convention;
    return exercise;
}

void TFrmTensorium::ShowExercise(const Exercise& exercise)
{
    TEdit* global[] = {input_sx, input_sy, input_sz, input_txy, input_tyz, input_tzx};
    for (size_t i = 0; i < exercise.globalStress.size(); ++i)
        global[i]->setShownText(exercise.globalStress[i]);
    TEdit* user[] = {edtbeta, edtpsi, edttheta};
    for (size_t i = 0; i < exercise.userAngles.size(); ++i) user[i]->setShownText(exercise.userAngles[i]);
    TEdit* joint[] = {input_joint_beta, input_joint_psi, input_joint_phi, input_joint_c};
    for (size_t i = 0; i < exercise.joint.size(); ++i) joint[i]->setShownText(exercise.joint[i]);
    edtUserComment1->setShownText(exercise.comments[0]);
    edtUserComment2->setShownText(exercise.comments[1]);
    if (exercise.convention == AzimuthConvention::azCounterclockwiseFromEast)
        mnuAngleLeft->setChecked(true);
    else
        mnuAngleRight->setChecked(true);
}

// True once the file's inputs are in the window; a text in it that does not
// read is then reported by the cycle, as a typed one is.
bool TFrmTensorium::OpenExercise(const QString& path)
{
    const ExerciseReading reading = ReadExercise(path);
    if (!reading.ok()) {
        session_.ReportFailure(this, reading.problem);
        return false;
    }
    ShowExercise(reading.exercise);
    exerciseFolder_ = QFileInfo(path).absolutePath();
    Guarded(&TFrmTensorium::RecalculateAll);
    return true;
}

bool TFrmTensorium::SaveExercise(const QString& path)
{
    const QString problem = WriteExercise(path, TypedExercise());
    if (!problem.isEmpty()) {
        session_.ReportFailure(this, problem);
        return false;
    }
    exerciseFolder_ = QFileInfo(path).absolutePath();
    return true;
}

void TFrmTensorium::mnuOpenExerciseClick()
{
    QFileDialog dialog(this, "Open exercise", exerciseFolder_, kExerciseFilter);
    dialog.setObjectName("OpenExerciseDialog");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        OpenExercise(dialog.selectedFiles().first());
}

void TFrmTensorium::mnuSaveExerciseAsClick()
{
    QFileDialog dialog(this, "Save exercise as", exerciseFolder_, kExerciseFilter);
    dialog.setObjectName("SaveExerciseDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kExerciseSuffix);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveExercise(dialog.selectedFiles().first());
}

}  // namespace tensorium
