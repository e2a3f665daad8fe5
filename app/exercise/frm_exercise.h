// The exercise window: the teacher's task, the student's name and one row a
// question, where the student types an answer, "Check" marks every answer
// and names the slip behind a wrong one, and "Show answers" gives the right
// values.
#pragma once

#include <QMainWindow>
#include <optional>
#include <vector>

#include "app/files/exercise_quiz.h"
#include "core/answer_marking.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tensorium {

class AnalysisSession;
class PlaneSetDocument;

// One question as the student answered it, for the result sheet.
struct MarkedQuestion {
    QString question;  // as its row names it
    QString answer;    // as typed or chosen
    QString verdict;   // "right", "wrong", or empty before a check
    QString right;     // the right value, as the window shows it
    QString hint;
};

class FrmExercise : public QMainWindow {
    Q_OBJECT
public:
    FrmExercise(AnalysisSession& session, PlaneSetDocument& planes, QWidget* parent = nullptr);

    // A new set of questions: the rows are made again, empty. The count of
    // critically stressed planes is taken at `porePressure`, the exercise
    // file's, or at the explorer's where the file gives none.
    void ShowQuiz(const ExerciseQuiz& quiz, std::optional<double> porePressure = std::nullopt);
    const ExerciseQuiz& Quiz() const { return quiz_; }
    QString StudentName() const;
    bool Checked() const { return checked_; }
    bool AnswersShown() const { return answersShown_; }
    std::vector<MarkedQuestion> Marked() const;

public slots:
    void CheckAnswers();
    void ShowAnswers();

signals:
    // The first check of these questions, and the first showing of answers.
    void FirstChecked();
    void AnswersRevealed();

private:
    struct Row {
        QLabel* question = nullptr;
        QLineEdit* answer = nullptr;  // a number
        QComboBox* regime = nullptr;  // or a regime
        QLabel* verdict = nullptr;
        QLabel* hint = nullptr;
        QLabel* right = nullptr;
    };
    ExtraResults Extras() const;
    std::optional<Answer> ReadAnswer(const Row& row, QString* problem) const;
    QString RightText(const Question& question) const;

    AnalysisSession& session_;
    PlaneSetDocument& planes_;
    ExerciseQuiz quiz_;
    std::optional<double> porePressure_;
    QPlainTextEdit* txtTask = nullptr;
    QLineEdit* edtStudentName = nullptr;
    QGridLayout* grid_ = nullptr;
    QWidget* rowsHolder_ = nullptr;
    std::vector<Row> rows_;
    QPushButton *btnCheckAnswers = nullptr, *btnShowAnswers = nullptr;
    bool checked_ = false, answersShown_ = false;
};

}  // namespace tensorium
