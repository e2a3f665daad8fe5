// The exercise document on its own: any text survives writing and reading,
// and members the program does not know are passed over.
#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/files/exercise_file.h"

namespace tensorium {
namespace {

// Every text different: `prefix` and the text's place.
Exercise Numbered(const QString& prefix)
{
    Exercise exercise;
    int place = 0;
    auto number = [&](auto& texts) {
        for (QString& text : texts) text = prefix + QString::number(++place);
    };
    number(exercise.globalStress);
    number(exercise.userAngles);
    number(exercise.joint);
    number(exercise.comments);
    return exercise;
}

TEST(ExerciseDocument, AnyTextComesBackAsWritten)
{
    const QString awkward[] = {"",
                               "   ",
                               "\"quoted\" and \\ back\\slashed",
                               "line\nbreak\ttab\r",
                               "\u00e9t\u00e9 \u03c3\u2081 \u0437\u0430\u0434\u0430\u0447\u0430",
                               QString::fromUtf8("\xF0\x9F\x93\x90 outside the basic plane"),
                               QString("control \x01\x1f chars"),
                               "1,234.5e-3"};
    for (const QString& text : awkward) {
        SCOPED_TRACE(text.toStdString());
        for (auto convention :
             {AzimuthConvention::azClockwiseFromNorth, AzimuthConvention::azCounterclockwiseFromEast}) {
            Exercise exercise = Numbered(text);
            exercise.convention = convention;
            const ExerciseReading reading = ParseExercise(ExerciseDocument(exercise), "x.tensorium");
            ASSERT_TRUE(reading.ok()) << reading.problem.toStdString();
            EXPECT_TRUE(reading.exercise == exercise);
        }
    }
}

TEST(ExerciseDocument, EveryFieldHasItsOwnPlace)
{
    const Exercise exercise = Numbered("t");
    const ExerciseReading reading = ParseExercise(ExerciseDocument(exercise), "x.tensorium");
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.exercise.globalStress, exercise.globalStress);
    EXPECT_EQ(reading.exercise.userAngles, exercise.userAngles);
    EXPECT_EQ(reading.exercise.joint, exercise.joint);
    EXPECT_EQ(reading.exercise.comments, exercise.comments);
}

TEST(ExerciseDocument, UnknownMembersArePassedOver)
{
    QJsonObject document = QJsonDocument::fromJson(ExerciseDocument(Numbered("u"))).object();
    document.insert("teacher", "J. Smith");
    const ExerciseReading reading = ParseExercise(QJsonDocument(document).toJson(), "x.tensorium");
    ASSERT_TRUE(reading.ok()) << reading.problem.toStdString();
    EXPECT_TRUE(reading.exercise == Numbered("u"));
}

}  // namespace
}  // namespace tensorium
