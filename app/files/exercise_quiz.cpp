#include "app/files/exercise_quiz.h"

#include <QJsonArray>
#include <cmath>

namespace tensorium {

bool ExerciseQuiz::operator==(const ExerciseQuiz& other) const
{
    if (task != other.task || hideResults != other.hideResults || questions.size() != other.questions.size())
        return false;
    for (size_t k = 0; k < questions.size(); ++k) {
        const Question &a = questions[k], &b = other.questions[k];
        if (a.quantity != b.quantity || a.tolerance != b.tolerance || a.hint != b.hint) return false;
    }
    return true;
}

QJsonObject QuizObject(const ExerciseQuiz& quiz)
{
    QJsonArray questions;
    for (const Question& q : quiz.questions) {
        QJsonObject object;
        object.insert("quantity", QString::fromStdString(QuantityKey(q.quantity)));
        if (q.tolerance) object.insert("tolerance", *q.tolerance);
        if (!q.hint.empty()) object.insert("hint", QString::fromStdString(q.hint));
        questions.append(object);
    }
    QJsonObject object;
    object.insert("task", quiz.task);
    object.insert("hide_results", quiz.hideResults);
    object.insert("questions", questions);
    return object;
}

QString ReadQuiz(const QJsonValue& value, ExerciseQuiz& quiz)
{
    if (!value.isObject()) return "\"exercise\" is not a task with questions";
    const QJsonObject object = value.toObject();
    const QJsonValue task = object.value("task"), hide = object.value("hide_results"),
                     questions = object.value("questions");
    if (!task.isString()) return "\"exercise.task\" is missing or not a text";
    if (!hide.isBool()) return "\"exercise.hide_results\" is missing or neither true nor false";
    if (!questions.isArray()) return "\"exercise.questions\" is missing or not a list";
    ExerciseQuiz read;
    read.task = task.toString();
    read.hideResults = hide.toBool();
    const QJsonArray list = questions.toArray();
    for (qsizetype k = 0; k < list.size(); ++k) {
        const QString where = QString("\"exercise.questions[%1]").arg(k + 1);
        const QJsonObject q = list.at(k).toObject();
        const std::optional<Quantity> quantity =
            QuantityFromKey(q.value("quantity").toString().toStdString());
        if (!list.at(k).isObject() || !quantity) return where + ".quantity\" is missing or not a quantity";
        Question question;
        question.quantity = *quantity;
        if (q.contains("tolerance")) {
            const QJsonValue tolerance = q.value("tolerance");
            if (!tolerance.isDouble() || !(tolerance.toDouble() >= 0) || !std::isfinite(tolerance.toDouble()))
                return where + ".tolerance\" is not a number of 0 or more";
            question.tolerance = tolerance.toDouble();
        }
        if (q.contains("hint")) {
            if (!q.value("hint").isString()) return where + ".hint\" is not a text";
            question.hint = q.value("hint").toString().toStdString();
        }
        read.questions.push_back(question);
    }
    quiz = std::move(read);
    return {};
}

}  // namespace tensorium
