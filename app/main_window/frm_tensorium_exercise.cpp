// Exercise files: the File menu's "Open exercise...", "Save exercise",
// "Save exercise as..." and "Recent exercises", the slots they use (a file
// named on the command line uses them too), the window title that names the
// file and whether it has unsaved changes, and the question before they are
// lost.
#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <exception>

#include "app/app_identity.h"
#include "app/app_settings.h"
#include "app/explorer/frm_explorer.h"
#include "app/files/exercise_file.h"
#include "app/main_window/frm_tensorium.h"
#include "app/planes/plane_set_document.h"
#include "app/widgets/tedit.h"
#include "core/number_parse.h"

namespace tensorium {
namespace {

const char* const kExerciseFilter = "Tensorium exercises (*.tensorium)";
const char* const kRecentKey = "recent_exercises";
constexpr int kRecentCount = 8;

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
    if (explorer_)
        exercise.explorer = explorer_->Lesson();
    else if (pendingLesson_)
        exercise.explorer = *pendingLesson_;
    exercise.planes = planeSet_->Planes();
    exercise.quiz = quiz_;
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
    // The file's planes replace the window's; what was done before them
    // cannot be undone into them.
    planeSet_->SetPlanes(exercise.planes);
    planeSet_->UndoStack().clear();
    // The count of critical planes is asked at the file's pore pressure,
    // whether or not the explorer is open.
    std::optional<double> porePressure;
    if (exercise.explorer) {
        try {
            porePressure = ParseNumber(exercise.explorer->porePressure.toStdString(), separators_.decimal);
        } catch (const std::exception&) {
            porePressure.reset();  // the explorer reports it when it reads it
        }
    }
    ShowQuiz(exercise.quiz, porePressure);
    // A file that asks to hide the results hides them until the student has answered.
    const bool hide = exercise.quiz.hideResults && !exercise.quiz.questions.empty();
    SetResultsHidden(hide);
    SetWorkingHidden(hide);
    if (!exercise.explorer) return;
    if (explorer_) {
        explorer_->ShowLesson(*exercise.explorer);
    } else {
        pendingLesson_ = std::make_unique<ExplorerLesson>(*exercise.explorer);
    }
}

// True once the file's inputs are in the window; a text in it that does not
// read is then reported by the cycle, as a typed one is.
bool TFrmTensorium::OpenExercise(const QString& path)
{
    const ExerciseReading reading = ReadExercise(path, separators_.decimal);
    if (!reading.ok()) {
        session_.ReportFailure(this, reading.problem);
        return false;
    }
    ShowExercise(reading.exercise);
    exerciseFolder_ = QFileInfo(path).absolutePath();
    exerciseFile_ = QFileInfo(path).absoluteFilePath();
    savedExercise_ = std::make_unique<Exercise>(TypedExercise());
    RememberRecentExercise(exerciseFile_);
    UpdateTitle();
    Guarded(&TFrmTensorium::RecalculateAll);
    return true;
}

bool TFrmTensorium::SaveExercise(const QString& path)
{
    const Exercise exercise = TypedExercise();
    const QString problem = WriteExercise(path, exercise, separators_.decimal);
    if (!problem.isEmpty()) {
        session_.ReportFailure(this, problem);
        return false;
    }
    exerciseFolder_ = QFileInfo(path).absolutePath();
    exerciseFile_ = QFileInfo(path).absoluteFilePath();
    savedExercise_ = std::make_unique<Exercise>(exercise);
    RememberRecentExercise(exerciseFile_);
    UpdateTitle();
    return true;
}

bool TFrmTensorium::HasUnsavedChanges() const
{
    return !exerciseFile_.isEmpty() && savedExercise_ && !(TypedExercise() == *savedExercise_);
}

// Every input of an exercise, and the explorer once it exists, updates the
// title as it changes.
void TFrmTensorium::ConnectExerciseChanges()
{
    for (TEdit* field : {input_sx, input_sy, input_sz, input_txy, input_tyz, input_tzx, edtbeta, edtpsi,
                         edttheta, input_joint_beta, input_joint_psi, input_joint_phi, input_joint_c,
                         edtUserComment1, edtUserComment2})
        connect(field, &QLineEdit::textChanged, this, &TFrmTensorium::UpdateTitle);
    for (QAction* convention : {mnuAngleLeft, mnuAngleRight})
        connect(convention, &QAction::toggled, this, &TFrmTensorium::UpdateTitle);
    connect(planeSet_, &PlaneSetDocument::PlanesChanged, this, &TFrmTensorium::UpdateTitle);
}

// The title of a run without an exercise file is the program's; with one,
// "NAME - Tensorium (version 2.0)", with "*" after NAME while it has
// unsaved changes.
void TFrmTensorium::UpdateTitle()
{
    if (exerciseFile_.isEmpty()) return;
    setWindowTitle(QString("%1[*] - %2").arg(QFileInfo(exerciseFile_).fileName(), identity::kWindowCaption));
    setWindowModified(HasUnsavedChanges());
}

bool TFrmTensorium::MayLeaveExercise()
{
    if (!HasUnsavedChanges()) return true;
    QMessageBox box(QMessageBox::Warning, identity::kWindowCaption,
                    QString("The exercise \"%1\" has changes that are not saved. Save them?")
                        .arg(QFileInfo(exerciseFile_).fileName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName("UnsavedExerciseBox");
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save: return SaveExercise(exerciseFile_);
        case QMessageBox::Discard: return true;
        default: return false;
    }
}

void TFrmTensorium::closeEvent(QCloseEvent* event)
{
    if (MayLeaveExercise()) {
        QMainWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}

void TFrmTensorium::RememberRecentExercise(const QString& path)
{
    const auto settings = OpenSettings();
    QStringList recent = settings->value(kRecentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentCount) recent.removeLast();
    settings->setValue(kRecentKey, recent);
}

void TFrmTensorium::ShowRecentExercises()
{
    mnuRecentExercises->clear();
    const QStringList recent = OpenSettings()->value(kRecentKey).toStringList();
    for (int i = 0; i < recent.size() && i < kRecentCount; ++i) {
        const QString path = recent.at(i);
        QAction* item = mnuRecentExercises->addAction(
            QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace('&', "&&")));
        item->setObjectName(QString("mnuRecentExercise%1").arg(i + 1));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { OpenRecentExercise(path); });
    }
    if (recent.isEmpty()) mnuRecentExercises->addAction("(none)")->setEnabled(false);
}

// A file that has gone is reported and leaves the list.
void TFrmTensorium::OpenRecentExercise(const QString& path)
{
    if (!MayLeaveExercise()) return;
    if (OpenExercise(path)) return;
    if (QFileInfo::exists(path)) return;
    const auto settings = OpenSettings();
    QStringList recent = settings->value(kRecentKey).toStringList();
    recent.removeAll(path);
    settings->setValue(kRecentKey, recent);
}

void TFrmTensorium::mnuOpenExerciseClick()
{
    if (!MayLeaveExercise()) return;
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

void TFrmTensorium::mnuSaveExerciseClick()
{
    if (exerciseFile_.isEmpty()) {
        mnuSaveExerciseAsClick();
    } else {
        SaveExercise(exerciseFile_);
    }
}

}  // namespace tensorium
