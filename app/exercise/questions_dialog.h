// The teacher's editor of an exercise's questions: the task, whether the
// results stay hidden until the student has answered, and for every quantity
// whether it is asked, with its own tolerance (empty: the default one, shown
// greyed) and hint.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "app/files/exercise_quiz.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;

namespace tensorium {

class AnalysisSession;

class QuestionsDialog : public QDialog {
    Q_OBJECT
public:
    QuestionsDialog(AnalysisSession& session, const ExerciseQuiz& current, QWidget* parent = nullptr);

    // What the teacher set, the questions in the order of AllQuantities().
    // Meant once accepted; before that, a tolerance that does not read counts
    // as the default one.
    ExerciseQuiz Quiz() const;

public slots:
    // Stays open, with the field in focus, while a tolerance does not read.
    void accept() override;

private:
    struct Row {
        Quantity quantity = Quantity::s1;
        QCheckBox* asked = nullptr;
        QLineEdit* tolerance = nullptr;
        QLineEdit* hint = nullptr;
        // The question's own tolerance and its text as first shown: kept
        // exactly while the text is left alone.
        std::optional<double> shownTolerance;
        QString shownText;
    };
    // The row's tolerance: none for an empty field. False, with why, when
    // the text is not a number of 0 or more.
    bool ReadTolerance(const Row& row, std::optional<double>* tolerance, QString* problem) const;

    AnalysisSession& session_;
    QPlainTextEdit* txtTaskEdit = nullptr;
    QCheckBox* chkHideResults = nullptr;
    QScrollArea* scroll_ = nullptr;
    std::vector<Row> rows_;
};

}  // namespace tensorium
