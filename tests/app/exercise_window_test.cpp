// Exercises saved from the window and opened again: every number as the same
// number, every other text as typed, the azimuth convention, and the cycle
// run on them as if typed.
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/widgets/tedit.h"
#include "tests/app/exercise_support.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class ExerciseWindow : public WindowTest {
protected:
    void TypeAll(const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i) Type(kExerciseFields[i], texts[i]);
    }
    QStringList Inputs() const
    {
        QStringList texts;
        for (const char* name : kExerciseFields) texts << Text(name);
        return texts;
    }
    void ChooseConvention(const char* item) { Action(item)->trigger(); }

    static const char* Other(const char* convention)
    {
        return convention == QString("mnuAngleLeft") ? "mnuAngleRight" : "mnuAngleLeft";
    }
    // Nines under the other convention, as the cycle before an opening has them.
    static void ShowNines(TFrmTensorium& w, const char* convention)
    {
        w.findChild<QAction*>(Other(convention))->trigger();
        for (const char* name : kExerciseFields) w.findChild<QLineEdit*>(name)->setText("9");
        w.findChild<QPushButton*>("btnCalculate")->click();
    }

    // What a window shows and reports when the same texts are typed into it,
    // the convention chosen and Calculate clicked: what opening must give.
    struct Typed {
        QMap<QString, QString> state;
        QStringList failures;
    };
    static Typed TypedIntoFreshWindow(const QStringList& texts, const char* convention)
    {
        TFrmTensorium reference;
        Typed typed;
        reference.setFailureReporter([&typed](const QString& message) { typed.failures << message; });
        reference.show();
        ShowNines(reference, convention);
        typed.failures.clear();
        for (int i = 0; i < texts.size(); ++i)
            reference.findChild<QLineEdit*>(kExerciseFields[i])->setText(texts[i]);
        reference.findChild<QAction*>(convention)->setChecked(true);
        reference.findChild<QPushButton*>("btnCalculate")->click();
        typed.state = WindowState(reference);
        typed.state.remove("page");
        return typed;
    }

    QTemporaryDir folder;
    QString Path(const QString& name) const { return folder.filePath(name); }
};

const QStringList kTexts = {"12.5",
                            "7",
                            "-3.25",
                            "4",
                            "0.5",
                            "-1",
                            "30",
                            "45.5",
                            "10",
                            "120",
                            "60",
                            "30",
                            "1.5",
                            "Übung 3 – σ₁ für Gruppe B ✓",
                            "Задача: \"квадрат\" \\ 2"};
// Blanks around and inside, the thousands and decimal separators, an empty
// field and comments of blanks alone.
const QStringList kUntidyTexts = {" 12.5", "7 ",  "1,234.5", "4.", "",    "  -1", "30",        "45.5",
                                  "1e1",   "120", "6 0",     "30", "1.5", "   ",  "a\tb,  c;d"};
// How they come back: the numbers in their shortest form, the rest as typed.
const QStringList kUntidyOpened = {"12.5", "7",   "1,234.5", "4",  "",    "-1",  "30",        "45.5",
                                   "10",   "120", "6 0",     "30", "1.5", "   ", "a\tb,  c;d"};

TEST_F(ExerciseWindow, FileMenuStartsWithTheExerciseItems)
{
    QMenu* file = window->menuBar()->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    QStringList names;
    for (QAction* item : file->actions()) names << item->objectName();
    EXPECT_EQ(names,
              QStringList({"mnuOpenExercise", "mnuSaveExercise", "mnuSaveExerciseAs", "mnuRecentExercises",
                           "NPlanes", "mnuImportPlanes", "mnuExportPlanes", "N0", "mnuPrintForm",
                           "mnuPrintStereograph", "mnuPrintMohrCircles", "mnuPrinterSetup", "N1", "mnuReport",
                           "Reportprintpreview1", "Printreport1", "N2", "mnuExit"}));
    EXPECT_EQ(Action("mnuOpenExercise")->text(), "Open exercise...");
    EXPECT_EQ(Action("mnuSaveExercise")->text(), "Save exercise");
    EXPECT_EQ(Action("mnuSaveExercise")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(Action("mnuSaveExerciseAs")->text(), "Save exercise as...");
    EXPECT_EQ(Action("mnuRecentExercises")->text(), "Recent exercises");
    EXPECT_EQ(Action("mnuOpenExercise")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(Action("mnuSaveExerciseAs")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_TRUE(Action("N0")->isSeparator());
}

TEST_F(ExerciseWindow, EveryNumberTextAndBothConventionsComeBack)
{
    for (const auto& [texts, opened] : {std::pair{kTexts, kTexts}, std::pair{kUntidyTexts, kUntidyOpened}}) {
        for (const char* convention : {"mnuAngleLeft", "mnuAngleRight"}) {
            SCOPED_TRACE(convention);
            SCOPED_TRACE(texts.join('|').toStdString());
            ChooseConvention(convention);
            TypeAll(texts);
            failures.clear();
            ASSERT_TRUE(window->SaveExercise(Path("round.tensorium")));
            EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();

            // Other texts and the other convention, then the file again.
            ShowNines(*window, convention);
            failures.clear();
            ASSERT_TRUE(window->OpenExercise(Path("round.tensorium")));
            EXPECT_EQ(Inputs(), opened);
            EXPECT_TRUE(Action(convention)->isChecked());

            // The cycle ran on them, failing where typing them fails.
            const Typed typed = TypedIntoFreshWindow(opened, convention);
            EXPECT_EQ(failures, typed.failures);
            QMap<QString, QString> state = WindowState(*window);
            state.remove("page");
            EXPECT_EQ(state, typed.state);
        }
    }
}

TEST_F(ExerciseWindow, TheFileIsJsonWithFormatNameVersionNumbersAndTexts)
{
    QStringList texts = kTexts;
    texts[10] = "6 0";
    TypeAll(texts);
    ChooseConvention("mnuAngleLeft");
    ASSERT_TRUE(window->SaveExercise(Path("saved.tensorium")));
    QJsonParseError error;
    const QJsonObject document = QJsonDocument::fromJson(ReadBytes(Path("saved.tensorium")), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(document.value("format").toString(), "tensorium-exercise");
    EXPECT_EQ(document.value("version").toInt(), 4);
    EXPECT_EQ(document.value("azimuth_convention").toString(), "counterclockwise from east");
    EXPECT_EQ(document.value("global_stress").toObject().value("sz"), QJsonValue(-3.25));
    EXPECT_EQ(document.value("joint").toObject().value("cohesion"), QJsonValue(1.5));
    EXPECT_EQ(document.value("joint").toObject().value("dip"), QJsonValue("6 0")) << "not a number: as typed";
    EXPECT_EQ(document.value("comments").toArray().at(0), QJsonValue(kTexts[13]));
}

TEST_F(ExerciseWindow, SavingChangesNothingInTheWindow)
{
    TypeAll(kTexts);
    const QMap<QString, QString> before = WindowState(*window);
    ASSERT_TRUE(window->SaveExercise(Path("saved.tensorium")));
    EXPECT_EQ(WindowState(*window), before);
}

// A text that does not read is reported as typing it is, and the field
// takes the focus, framed.
TEST_F(ExerciseWindow, ABadTextInTheFileIsReportedAsATypedOne)
{
    QStringList texts = kTexts;
    texts[4] = "5x";
    TypeAll(texts);
    ASSERT_TRUE(window->SaveExercise(Path("bad.tensorium")));
    ShowNines(*window, "mnuAngleRight");
    failures.clear();

    EXPECT_TRUE(window->OpenExercise(Path("bad.tensorium")));
    EXPECT_EQ(failures, QStringList{"'5x' is not a valid floating point value"});
    EXPECT_EQ(failures, TypedIntoFreshWindow(texts, "mnuAngleRight").failures);
    EXPECT_TRUE(Find<TEdit>("input_tyz")->isMarkedFailed());
    EXPECT_EQ(QApplication::focusWidget(), Find("input_tyz"));
}

// A new window starts from the defaults whatever was saved or opened.
TEST_F(ExerciseWindow, NoStateIsKeptForTheNextRun)
{
    TFrmTensorium untouched;
    untouched.show();
    const QMap<QString, QString> defaults = WindowState(untouched);
    TypeAll(kTexts);
    ChooseConvention("mnuAngleLeft");
    ASSERT_TRUE(window->SaveExercise(Path("saved.tensorium")));
    ASSERT_TRUE(window->OpenExercise(Path("saved.tensorium")));
    TFrmTensorium next;
    next.show();
    EXPECT_EQ(WindowState(next), defaults);
}

// The menu items ask for a file in a dialog; the save dialog adds the
// extension a name lacks.
TEST_F(ExerciseWindow, TheMenuItemsSaveAndOpenThroughTheirDialogs)
{
    auto answerDialog = [](const char* dialogName, const QString& file) {
        QTimer::singleShot(0, [dialogName, file] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(top);
                    dialog && top->objectName() == dialogName) {
                    dialog->selectFile(file);
                    QMetaObject::invokeMethod(dialog, "accept");
                }
        });
    };
    TypeAll(kTexts);
    answerDialog("SaveExerciseDialog", Path("from menu"));
    Action("mnuSaveExerciseAs")->trigger();
    ASSERT_TRUE(QFile::exists(Path("from menu.tensorium")));

    // A new run, without a file of its own, opens it.
    window = std::make_unique<TFrmTensorium>();
    window->setFailureReporter([this](const QString& message) { failures << message; });
    window->show();
    TypeAll(QStringList(std::size(kExerciseFields), "1"));
    answerDialog("OpenExerciseDialog", Path("from menu.tensorium"));
    Action("mnuOpenExercise")->trigger();
    EXPECT_EQ(Inputs(), kTexts);
    EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
}

}  // namespace
}  // namespace tensorium::testing_support
