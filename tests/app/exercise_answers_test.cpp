// Exercises that check a student's answers, in the real main window: a
// random exercise made from a name, its questions answered right and wrong
// in the exercise window, the slip behind a wrong answer named, the right
// values shown, the questions kept in the exercise file, and the teacher's
// answer key.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/exercise/frm_exercise.h"
#include "app/files/exercise_file.h"
#include "core/critical_plane_count.h"
#include "core/random_exercise.h"
#include "core/right_answer.h"
#include "core/stress_regime.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class ExerciseAnswers : public WindowTest {
protected:
    FrmExercise* Exercise() const { return window->findChild<FrmExercise*>("FrmExercise"); }
    QString Label(const char* name, int k) const
    {
        return Exercise()->findChild<QLabel*>(QString("%1%2").arg(name).arg(k))->text();
    }
    // The right value of question k, typed as a student would.
    void AnswerRight(int k)
    {
        const Question& q = Exercise()->Quiz().questions[static_cast<size_t>(k - 1)];
        const std::optional<Answer> right = RightAnswer(q.quantity, window->Session().State());
        ASSERT_TRUE(right);
        Type(k, *right);
    }
    void Type(int k, const Answer& answer)
    {
        const QString name = QString("edtAnswer%1").arg(k);
        if (const auto* regime = std::get_if<StressRegime>(&answer)) {
            auto* box = Exercise()->findChild<QComboBox*>(name);
            ASSERT_NE(box, nullptr) << name.toStdString();
            box->setCurrentText(RegimeName(*regime));
        } else {
            auto* box = Exercise()->findChild<QLineEdit*>(name);
            ASSERT_NE(box, nullptr) << name.toStdString();
            box->setText(window->Session().FormatTyped(std::get<double>(answer), 6));
        }
    }
    void Check() { Exercise()->findChild<QPushButton*>("btnCheckAnswers")->click(); }
};

TEST_F(ExerciseAnswers, ARandomExerciseIsMarkedAndItsSlipsNamed)
{
    ASSERT_TRUE(window->NewRandomExercise("Ada Lovelace"));
    ASSERT_NE(Exercise(), nullptr) << "the exercise window opens by itself";
    EXPECT_TRUE(Exercise()->isVisible());
    EXPECT_EQ(Exercise()->windowTitle(), "Tensorium - Exercise");
    EXPECT_TRUE(Exercise()->findChild<QPlainTextEdit*>("txtTask")->toPlainText().contains("Ada Lovelace"));
    // The same inputs as the random exercise of that name, in this region.
    const RandomExercise random = RandomExerciseFor("Ada Lovelace");
    EXPECT_EQ(Text("input_sx"), QString::fromStdString(random.stress[0]));
    EXPECT_EQ(Text("input_joint_beta"), QString::number(random.joint[0]));
    const std::vector<Question>& questions = Exercise()->Quiz().questions;
    ASSERT_EQ(questions.size(), 9u);
    const char* names[] = {"s1", "s2", "s3", "s1 azimuth", "s1 dip", "regime", "sigma", "tau", "SF"};
    for (int k = 1; k <= 9; ++k) EXPECT_TRUE(Label("lblQuestion", k).startsWith(names[k - 1])) << k;

    for (int k = 1; k <= 9; ++k) AnswerRight(k);
    Check();
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(Label("lblVerdict", k), "right") << names[k - 1];
        EXPECT_EQ(Label("lblHint", k), "") << names[k - 1];
    }
    EXPECT_TRUE(Exercise()->Checked());

    // s1 with the other sign, s2 given for s1, and no answer at all.
    const double s1 = window->Session().State().principal.s1, s2 = window->Session().State().principal.s2;
    Type(1, -s1);
    Type(2, s1);
    Exercise()->findChild<QLineEdit*>("edtAnswer3")->setText("");
    Check();
    EXPECT_EQ(Label("lblVerdict", 1), "wrong");
    EXPECT_TRUE(Label("lblHint", 1).contains("sign")) << Label("lblHint", 1).toStdString();
    EXPECT_EQ(Label("lblVerdict", 2), "wrong");
    EXPECT_TRUE(Label("lblHint", 2).contains("s1")) << Label("lblHint", 2).toStdString();
    EXPECT_EQ(Label("lblVerdict", 3), "wrong");
    EXPECT_EQ(Label("lblHint", 3), "No answer given.");
    EXPECT_NE(s1, s2);

    // Showing the answers gives every right value as the window writes it.
    EXPECT_EQ(Label("lblRightValue", 1), "");
    Exercise()->findChild<QPushButton*>("btnShowAnswers")->click();
    EXPECT_EQ(Label("lblRightValue", 1), "= " + window->Session().Format(s1, 3));
    EXPECT_TRUE(Exercise()->AnswersShown());
}

TEST_F(ExerciseAnswers, QuestionsTravelInTheFileAndOpenTheWindow)
{
    ASSERT_TRUE(window->NewRandomExercise("Grace"));
    QTemporaryDir folder;
    const QString path = folder.filePath("grace.tensorium");
    ASSERT_TRUE(window->SaveExercise(path));
    const ExerciseQuiz saved = Exercise()->Quiz();
    ASSERT_TRUE(window->NewRandomExercise("Someone else"));
    Exercise()->hide();
    ASSERT_TRUE(window->OpenExercise(path));
    EXPECT_TRUE(Exercise()->isVisible()) << "a file with questions opens the window";
    EXPECT_EQ(Exercise()->Quiz(), saved);
    EXPECT_FALSE(window->HasUnsavedChanges());
    EXPECT_FALSE(window->NewRandomExercise("  "));
    ASSERT_FALSE(failures.isEmpty());
    EXPECT_TRUE(failures.last().contains("needs a seed"));
}

// A file that hides its results: they stay hidden until the first check,
// the worked solution until the answers are shown.
TEST_F(ExerciseAnswers, AFileThatHidesItsResultsShowsThemAfterTheCheck)
{
    ASSERT_TRUE(window->NewRandomExercise("Marie"));
    EXPECT_FALSE(window->ResultsHidden()) << "a random exercise hides nothing";
    const QString s1 = Text("input_s1");
    ASSERT_FALSE(s1.isEmpty());
    QTemporaryDir folder;
    const QString path = folder.filePath("hidden.tensorium");
    ASSERT_TRUE(window->SaveExercise(path));
    // The same file with the results hidden.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    ASSERT_TRUE(bytes.contains("\"hide_results\": false"));
    bytes.replace("\"hide_results\": false", "\"hide_results\": true");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    ASSERT_TRUE(window->OpenExercise(path));
    EXPECT_TRUE(window->ResultsHidden());
    EXPECT_TRUE(window->WorkingHidden());
    EXPECT_EQ(Text("input_s1"), "") << "no value on the principal page";
    Check();
    EXPECT_FALSE(window->ResultsHidden()) << "shown after the first check";
    EXPECT_EQ(Text("input_s1"), s1);
    EXPECT_TRUE(window->WorkingHidden()) << "the working waits for the answers";
    Exercise()->findChild<QPushButton*>("btnShowAnswers")->click();
    EXPECT_FALSE(window->WorkingHidden());
}

// The count of critically stressed planes is asked at the file's pore
// pressure, also while the explorer, which holds it, is not open.
TEST_F(ExerciseAnswers, CriticalPlanesAreCountedAtTheFilesPorePressure)
{
    tensorium::Exercise file;
    file.globalStress = {"30", "20", "45", "5", "-3", "4"};
    file.userAngles = {"0", "0", "0"};
    file.joint = {"120", "60", "30", "1"};
    file.explorer = ExplorerLesson{};
    file.explorer->porePressure = "22";
    for (int k = 0; k < 36; ++k) file.planes.push_back({"P" + std::to_string(k), 10.0 * k, 20.0 + k * 2, ""});
    file.quiz.questions = {{Quantity::criticalPlanes, std::nullopt, ""}};
    QTemporaryDir folder;
    const QString path = folder.filePath("planes.tensorium");
    ASSERT_EQ(WriteExercise(path, file, "."), "");
    ASSERT_TRUE(window->OpenExercise(path));
    ASSERT_EQ(window->findChild<QWidget*>("FrmExplorer"), nullptr) << "the explorer stays closed";
    AnalysisState at22 = window->Session().State();
    at22.porePressure = 22;
    AnalysisState at0 = at22;
    at0.porePressure = 0;
    const int expected = CountCriticalPlanes(at22, file.planes);
    ASSERT_NE(expected, CountCriticalPlanes(at0, file.planes)) << "the pressure matters for these planes";
    Exercise()->findChild<QPushButton*>("btnShowAnswers")->click();
    EXPECT_EQ(Label("lblRightValue", 1), "= " + QString::number(expected));
}

TEST_F(ExerciseAnswers, TheAnswerKeyHoldsEachNamesExercise)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("key.csv");
    ASSERT_TRUE(window->SaveAnswerKey(path, "Ada\n\n  Grace \n"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("name,sx,sy,sz"));
    EXPECT_TRUE(lines[1].startsWith("Ada," + QByteArray::fromStdString(RandomExerciseFor("Ada").stress[0])));
    EXPECT_TRUE(lines[2].startsWith("Grace,"));
}

// The sheet handed in, read back as text: the name, the task, each question
// with the answer given, its verdict and the right value, then the worked
// solution.
TEST_F(ExerciseAnswers, TheResultSheetReadsBack)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("sheet.pdf");
    EXPECT_FALSE(window->SaveResultSheet(path)) << "no questions yet";
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(window->NewRandomExercise("Emmy"));
    Exercise()->findChild<QLineEdit*>("edtStudentName")->setText(QString::fromUtf8("Emmy Nöther"));
    for (int k = 1; k <= 9; ++k) AnswerRight(k);
    const double s1 = window->Session().State().principal.s1;
    Type(1, -s1);
    Check();
    ASSERT_TRUE(window->SaveResultSheet(path)) << failures.join("\n").toStdString();
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    // Lines as laid out on the page, joined: a sentence may wrap.
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains("Result sheet"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Emmy Nöther")));
    EXPECT_TRUE(text.contains("(Exercise for Emmy.)"));
    EXPECT_TRUE(text.contains(window->Session().FormatTyped(-s1, 6))) << "the answer given";
    EXPECT_TRUE(text.contains(window->Session().Format(s1, 3))) << "the right value";
    EXPECT_EQ(text.count("wrong"), 1);
    EXPECT_GE(text.count("right"), 8) << "eight verdicts";
    EXPECT_TRUE(text.contains("1. Stress tensor and invariants"));
    EXPECT_TRUE(text.contains("5. Joint"));

    // A folder that is not there: reported, nothing written.
    failures.clear();
    EXPECT_FALSE(window->SaveResultSheet(folder.filePath("none/sheet.pdf")));
    EXPECT_EQ(failures.size(), 1);
}

}  // namespace
}  // namespace tensorium::testing_support
