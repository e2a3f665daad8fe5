// The main window's part in exercises that check answers: the exercise
// window, a random exercise for each student, and the teacher's answer key.
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/exercise/frm_exercise.h"
#include "app/exercise/questions_dialog.h"
#include "app/exercise/result_sheet.h"
#include "app/files/exercise_file.h"
#include "app/files/whole_file_writer.h"
#include "app/main_window/frm_tensorium.h"
#include "app/planes/plane_set_document.h"
#include "core/answer_key.h"
#include "core/random_exercise.h"
#include "core/worked_solution.h"

namespace tensorium {

void TFrmTensorium::mnuExerciseWindowClick()
{
    if (!exerciseWindow_) {
        exerciseWindow_ = new FrmExercise(session_, *planeSet_, this);
        exerciseWindow_->setWindowFlag(Qt::Window);
        exerciseWindow_->ShowQuiz(quiz_, quizPorePressure_);
        // Hidden results show once the student has checked the answers, the
        // worked solution once the answers are shown.
        connect(exerciseWindow_, &FrmExercise::FirstChecked, this, [this] { SetResultsHidden(false); });
        connect(exerciseWindow_, &FrmExercise::AnswersRevealed, this, [this] { SetWorkingHidden(false); });
    }
    exerciseWindow_->show();
    exerciseWindow_->raise();
    exerciseWindow_->activateWindow();
}

// New questions for the exercise window; it opens by itself when there are any.
void TFrmTensorium::ShowQuiz(const ExerciseQuiz& quiz, std::optional<double> porePressure)
{
    quiz_ = quiz;
    quizPorePressure_ = porePressure;
    if (exerciseWindow_) exerciseWindow_->ShowQuiz(quiz_, quizPorePressure_);
    if (!quiz_.questions.empty()) mnuExerciseWindowClick();
}

bool TFrmTensorium::NewRandomExercise(const QString& seed)
{
    if (seed.trimmed().isEmpty()) {
        session_.ReportFailure(this, "A random exercise needs a seed: a student's name, say.");
        return false;
    }
    const RandomExercise random = RandomExerciseFor(seed.trimmed().toStdString());
    Exercise exercise;
    const QString decimal = QString::fromStdString(separators_.decimal);
    for (size_t i = 0; i < exercise.globalStress.size(); ++i)
        exercise.globalStress[i] = QString::fromStdString(random.stress[i]).replace('.', decimal);
    exercise.userAngles = {"0", "0", "0"};
    for (size_t i = 0; i < exercise.joint.size(); ++i) exercise.joint[i] = QString::number(random.joint[i]);
    exercise.convention = random.convention;
    exercise.quiz.task = QString(
                             "Work out by hand the principal stresses of this tensor, the azimuth and dip of "
                             "s1, the stress regime, and the normal stress, shear stress and safety factor "
                             "on the joint; then check your answers. (Exercise for %1.)")
                             .arg(seed.trimmed());
    exercise.quiz.questions = random.questions;
    ShowExercise(exercise);
    // Not a file: a new exercise of its own, to save if wanted.
    exerciseFile_.clear();
    savedExercise_.reset();
    UpdateTitle();
    Guarded(&TFrmTensorium::RecalculateAll);
    return true;
}

void TFrmTensorium::mnuRandomExerciseClick()
{
    bool ok = false;
    const QString seed =
        QInputDialog::getText(this, "New random exercise",
                              "A name or word to make the exercise from (the same name gives the "
                              "same exercise on every computer):",
                              QLineEdit::Normal, QString(), &ok);
    if (ok) NewRandomExercise(seed);
}

// A list of names, one a line, gives a CSV of each name's exercise and its
// right answers.
void TFrmTensorium::mnuAnswerKeyClick()
{
    QDialog dialog(this);
    dialog.setObjectName("AnswerKeyDialog");
    dialog.setWindowTitle("Answer key");
    auto* names = new QPlainTextEdit;
    names->setObjectName("txtAnswerKeyNames");
    auto* label = new QLabel("&Names of the students, one a line:");
    label->setBuddy(names);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(names);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::vector<std::string> list = StudentNames(names->toPlainText().toStdString());
    if (list.empty()) {
        session_.ReportFailure(this, "The answer key needs at least one name.");
        return;
    }
    const QString path =
        QFileDialog::getSaveFileName(this, "Save answer key", exerciseFolder_, "CSV files (*.csv)");
    if (!path.isEmpty()) SaveAnswerKey(path, names->toPlainText());
}

bool TFrmTensorium::SaveAnswerKey(const QString& path, const QString& names)
{
    const std::vector<std::string> list = StudentNames(names.toStdString());
    QString error;
    if (!WriteWholeFile(path, QByteArray::fromStdString(AnswerKeyCsv(list)), "The answer key", &error)) {
        session_.ReportFailure(this, error);
        return false;
    }
    return true;
}

// The teacher's questions, written in a dialog rather than in the file.
void TFrmTensorium::mnuQuestionsClick()
{
    QuestionsDialog dialog(session_, quiz_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    ShowQuiz(dialog.Quiz());
    UpdateTitle();
}

bool TFrmTensorium::SaveResultSheet(const QString& path)
{
    if (!exerciseWindow_ || quiz_.questions.empty()) {
        session_.ReportFailure(this, "There is no exercise with questions to hand in.");
        return false;
    }
    ResultSheet sheet;
    sheet.student = exerciseWindow_->StudentName();
    sheet.date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    sheet.task = quiz_.task;
    sheet.questions = exerciseWindow_->Marked();
    const AnalysisState& state = session_.State();
    sheet.working = QString::fromStdString(WorkedSolution(state, state.porePressure, session_.Separators()));
    QString error;
    if (!WriteWholeFile(path, ResultSheetPdf(sheet), "The result sheet", &error)) {
        session_.ReportFailure(this, error);
        return false;
    }
    return true;
}

void TFrmTensorium::mnuSaveResultSheetClick()
{
    QFileDialog dialog(this, "Save result sheet", exerciseFolder_, "PDF files (*.pdf)");
    dialog.setObjectName("ResultSheetFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveResultSheet(dialog.selectedFiles().first());
}

}  // namespace tensorium
