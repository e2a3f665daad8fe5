// The exercise document on its own: a number survives writing and reading as
// the same number in any region, any other text as written, the explorer's
// view too; files of the first version still read; members the program does
// not know are passed over.
#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/files/exercise_file.h"
#include "core/number_parse.h"

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

TEST(ExerciseDocument, AnyTextThatIsNotANumberComesBackAsWritten)
{
    const QString awkward[] = {"",
                               "   ",
                               "\"quoted\" and \\ back\\slashed",
                               "line\nbreak\ttab\r",
                               "\u00e9t\u00e9 \u03c3\u2081 \u0437\u0430\u0434\u0430\u0447\u0430",
                               QString::fromUtf8("\xF0\x9F\x93\x90 outside the basic plane"),
                               QString("control \x01\x1f chars"),
                               "1,234.5e-3"};
    // A prefix that is no number keeps the numbered texts texts.
    for (const QString& text : awkward) {
        SCOPED_TRACE(text.toStdString());
        for (auto convention :
             {AzimuthConvention::azClockwiseFromNorth, AzimuthConvention::azCounterclockwiseFromEast}) {
            Exercise exercise = Numbered(text + "#");
            exercise.convention = convention;
            const ExerciseReading reading =
                ParseExercise(ExerciseDocument(exercise, "."), "x.tensorium", ".");
            ASSERT_TRUE(reading.ok()) << reading.problem.toStdString();
            EXPECT_TRUE(reading.exercise == exercise);
        }
    }
}

TEST(ExerciseDocument, EveryFieldHasItsOwnPlace)
{
    const Exercise exercise = Numbered("t");
    const ExerciseReading reading = ParseExercise(ExerciseDocument(exercise, "."), "x.tensorium", ".");
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.exercise.globalStress, exercise.globalStress);
    EXPECT_EQ(reading.exercise.userAngles, exercise.userAngles);
    EXPECT_EQ(reading.exercise.joint, exercise.joint);
    EXPECT_EQ(reading.exercise.comments, exercise.comments);
}

TEST(ExerciseDocument, UnknownMembersArePassedOver)
{
    QJsonObject document = QJsonDocument::fromJson(ExerciseDocument(Numbered("u"), ".")).object();
    document.insert("teacher", "J. Smith");
    const ExerciseReading reading = ParseExercise(QJsonDocument(document).toJson(), "x.tensorium", ".");
    ASSERT_TRUE(reading.ok()) << reading.problem.toStdString();
    EXPECT_TRUE(reading.exercise == Numbered("u"));
}

// The numbers a teacher types, written under one decimal separator and read
// under the other: the same double, shown with the reader's separator.
TEST(ExerciseDocument, NumbersTravelBetweenRegionsAsTheSameNumber)
{
    const struct {
        const char* written;  // under ","
        const char* read;     // under "."
    } numbers[] = {{"50,5", "50.5"},
                   {"-3,25", "-3.25"},
                   {"0,1", "0.1"},
                   {" 7 ", "7"},
                   {"1e-7", "1e-07"},
                   {"2,5E20", "2.5e+20"},
                   {"100000000", "100000000"},
                   {"-0", "0"} /* JSON has no negative zero */,
                   {"0,000001", "0.000001"},
                   {"1,7976931348623157e308", "1.7976931348623157e+308"}};
    for (const auto& number : numbers) {
        SCOPED_TRACE(number.written);
        Exercise exercise;
        exercise.globalStress.fill(number.written);
        exercise.explorer = ExplorerLesson{number.written, 3, false, true, false, -2};
        const QByteArray document = ExerciseDocument(exercise, ",");
        EXPECT_FALSE(document.contains(number.written) && QString(number.written).contains(','))
            << "no regional separator in the file";
        const ExerciseReading english = ParseExercise(document, "x.tensorium", ".");
        ASSERT_TRUE(english.ok()) << english.problem.toStdString();
        EXPECT_EQ(english.exercise.globalStress[0], number.read);
        EXPECT_EQ(english.exercise.explorer->porePressure, number.read);
        EXPECT_EQ(english.exercise.explorer->field, 3);
        EXPECT_EQ(english.exercise.explorer->textSteps, -2);
        EXPECT_FALSE(english.exercise.explorer->principal);
        EXPECT_TRUE(english.exercise.explorer->user);
        // Back under "," it reads as the same double it was typed as.
        const ExerciseReading german = ParseExercise(document, "x.tensorium", ",");
        ASSERT_TRUE(german.ok());
        EXPECT_EQ(ParseNumber(german.exercise.globalStress[5].toStdString(), ","),
                  ParseNumber(number.written, ","));
    }
}

// A text that does not read as a number under the writer's separator stays a
// text, even when it would read under another.
TEST(ExerciseDocument, TextsThatAreNoNumberHereStayTexts)
{
    Exercise exercise;
    exercise.globalStress = {"1.5", "5 MPa", "1e400", "", ",", "1,2,3"};
    const ExerciseReading reading = ParseExercise(ExerciseDocument(exercise, ","), "x.tensorium", ".");
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.exercise.globalStress,
              (std::array<QString, 6>{"1.5", "5 MPa", "1e400", "", "0", "1,2,3"}))
        << "\"1.5\" was no number under \",\"; a lone separator reads 0 as typed";
}

// A file of the first version holds texts only, and no explorer.
TEST(ExerciseDocument, FirstVersionFilesStillOpen)
{
    const QByteArray first = R"({"format": "tensorium-exercise", "version": 1,
        "azimuth_convention": "clockwise from north",
        "global_stress": {"sx": "50,5", "sy": "20", "sz": "10", "txy": "5", "tyz": "0", "tzx": "2"},
        "user_angles": {"beta": "10", "psi": "20", "theta": "30"},
        "joint": {"dip_direction": "120", "dip": "60", "friction_angle": "30", "cohesion": "1"},
        "comments": ["a", "b"]})";
    const ExerciseReading reading = ParseExercise(first, "x.tensorium", ",");
    ASSERT_TRUE(reading.ok()) << reading.problem.toStdString();
    EXPECT_EQ(reading.exercise.globalStress[0], "50,5") << "kept as it was typed";
    EXPECT_FALSE(reading.exercise.explorer.has_value());
    QByteArray numbered = first;
    numbered.replace(R"("sy": "20")", R"("sy": 20)");
    const ExerciseReading damaged = ParseExercise(numbered, "x.tensorium", ",");
    EXPECT_TRUE(damaged.problem.contains("\"global_stress.sy\" is missing or not a text"))
        << damaged.problem.toStdString();
}

// The measured planes travel in the file exactly: every digit of their
// angles, their names and sets as written; files without them open with
// none, and planes that are not planes are named.
TEST(ExerciseDocument, MeasuredPlanesTravelExactly)
{
    Exercise exercise;
    exercise.globalStress = {"1", "2", "3", "4", "5", "6"};
    exercise.planes = {{"J1", 0.1 + 0.2, 89.99999999999999, "north, \"east\""},
                       {"", 359.9999999999999, 0, "", -179.99999999999997},
                       {"F", 10, 60, "", 180.0},
                       {QString::fromUtf8("Kluft ä").toStdString(), 123.456789012345678, 45, "S2"}};
    for (const char* decimal : {".", ","}) {
        const ExerciseReading back =
            ParseExercise(ExerciseDocument(exercise, decimal), "x.tensorium", decimal);
        ASSERT_TRUE(back.ok()) << back.problem.toStdString();
        EXPECT_EQ(back.exercise.planes, exercise.planes);
        EXPECT_EQ(back.exercise, exercise);
    }
    exercise.planes.clear();
    EXPECT_FALSE(ExerciseDocument(exercise, ".").contains("planes"))
        << "no empty list in files without planes";

    const QByteArray withPlanes =
        ExerciseDocument({exercise.globalStress, {}, {}, {}, {}, {}, {{"a", 10, 20, "", -45.0}}, {}}, ".");
    struct {
        const char* from;
        const char* to;
        const char* problem;
    } damaged[] = {
        {"\"dip\": 20", "\"dip\": 91", "\"planes[1].dip\" is missing or not a number from 0 to 90"},
        {"\"dip\": 20", "\"dip\": \"20\"", "\"planes[1].dip\" is missing"},
        {"\"dip_direction\": 10", "\"dip_direction\": 360", "\"planes[1].dip_direction\" is missing"},
        {"\"name\": \"a\"", "\"name\": 5", "planes[1] is not a plane with a name and a set"},
        {"\"rake\": -45", "\"rake\": -180", "\"planes[1].rake\" is not a number above -180 up to 180"},
        {"\"rake\": -45", "\"rake\": \"-45\"", "\"planes[1].rake\" is not a number"}};
    for (const auto& d : damaged) {
        QByteArray bytes = withPlanes;
        ASSERT_TRUE(bytes.contains(d.from)) << bytes.toStdString();
        bytes.replace(d.from, d.to);
        const ExerciseReading reading = ParseExercise(bytes, "x.tensorium", ".");
        EXPECT_TRUE(reading.problem.contains(d.problem)) << reading.problem.toStdString();
        EXPECT_TRUE(reading.exercise.planes.empty());
    }
    // A version 2 file ignores a list it could not have held.
    QByteArray second = withPlanes;
    second.replace("\"version\": 4", "\"version\": 2");
    const ExerciseReading older = ParseExercise(second, "x.tensorium", ".");
    ASSERT_TRUE(older.ok()) << older.problem.toStdString();
    EXPECT_TRUE(older.exercise.planes.empty());
}

// The task and questions travel exactly, with and without their own
// tolerances and hints; a damaged question is named, and files of version 3
// ignore a part they could not have held.
TEST(ExerciseDocument, QuestionsTravelExactly)
{
    Exercise exercise;
    exercise.globalStress = {"1", "2", "3", "4", "5", "6"};
    exercise.quiz.task = QString::fromUtf8("Find σ1 and the safety factor.\nShow your working.");
    exercise.quiz.hideResults = true;
    exercise.quiz.questions = {{Quantity::s1, std::nullopt, ""},
                               {Quantity::s1Azimuth, 2.5, "Azimuth of the lower end"},
                               {Quantity::regime, std::nullopt, ""},
                               {Quantity::safetyFactor, 0.1 + 0.2, ""}};
    for (const char* decimal : {".", ","}) {
        const ExerciseReading back =
            ParseExercise(ExerciseDocument(exercise, decimal), "x.tensorium", decimal);
        ASSERT_TRUE(back.ok()) << back.problem.toStdString();
        EXPECT_EQ(back.exercise.quiz, exercise.quiz);
    }
    const QByteArray bytes = ExerciseDocument(exercise, ".");
    struct {
        const char* from;
        const char* to;
        const char* problem;
    } damaged[] = {
        {"\"quantity\": \"s1\"", "\"quantity\": \"s9\"", "\"exercise.questions[1].quantity\" is missing"},
        {"\"tolerance\": 2.5", "\"tolerance\": -1", "\"exercise.questions[2].tolerance\" is not a number"},
        {"\"hide_results\": true", "\"hide_results\": 1", "\"exercise.hide_results\" is missing"}};
    for (const auto& d : damaged) {
        QByteArray broken = bytes;
        ASSERT_TRUE(broken.contains(d.from)) << broken.toStdString();
        broken.replace(d.from, d.to);
        const ExerciseReading reading = ParseExercise(broken, "x.tensorium", ".");
        EXPECT_TRUE(reading.problem.contains(d.problem)) << reading.problem.toStdString();
    }
    QByteArray third = bytes;
    third.replace("\"version\": 4", "\"version\": 3");
    const ExerciseReading older = ParseExercise(third, "x.tensorium", ".");
    ASSERT_TRUE(older.ok()) << older.problem.toStdString();
    EXPECT_TRUE(older.exercise.quiz.empty());
    exercise.quiz = {};
    EXPECT_FALSE(ExerciseDocument(exercise, ".").contains("\"exercise\"")) << "no empty part";
}

}  // namespace
}  // namespace tensorium
