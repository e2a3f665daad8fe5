// The questions of an exercise file: the teacher's task, the quantities a
// student is to work out with their tolerances and hints, and whether the
// program keeps its results hidden until the student has answered.
#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

#include "core/exercise_question.h"

namespace tensorium {

struct ExerciseQuiz {
    QString task;
    std::vector<Question> questions;
    bool hideResults = false;

    bool empty() const { return task.isEmpty() && questions.empty() && !hideResults; }
    bool operator==(const ExerciseQuiz& other) const;
};

// As a file holds it, and back; a damaged part throws the file's Damage
// with a sentence naming it (see ReadQuiz's callers).
QJsonObject QuizObject(const ExerciseQuiz& quiz);
// Empty on success, else what is wrong.
QString ReadQuiz(const QJsonValue& value, ExerciseQuiz& quiz);

}  // namespace tensorium
