// Working on one exercise file: Save exercise, the title that names the file
// and its unsaved changes, the question before they are lost, the recent
// files, the explorer kept in the file, and files that travel between
// regions.
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include "app/app_identity.h"
#include "app/explorer/frm_explorer.h"
#include "app/session/analysis_session.h"
#include "tests/app/exercise_support.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class ExerciseSession : public WindowTest {
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }
    // The title as the window system shows it.
    QString ShownTitle() const { return window->windowHandle()->title(); }
    static void Answer(QMessageBox::StandardButton button)
    {
        WhenShown("UnsavedExerciseBox",
                  [button](QWidget* box) { qobject_cast<QMessageBox*>(box)->button(button)->click(); });
    }
    QStringList Recent()
    {
        QMenu* menu = window->findChild<QMenu*>("mnuRecentExercises");
        emit menu->aboutToShow();
        QStringList names;
        for (QAction* item : menu->actions())
            if (item->isEnabled()) names << item->toolTip();
        return names;
    }

    QTemporaryDir folder;
};

TEST_F(ExerciseSession, TheTitleNamesTheFileAndMarksUnsavedChanges)
{
    EXPECT_EQ(ShownTitle(), identity::kWindowCaption) << "no file yet";
    ASSERT_TRUE(window->SaveExercise(Path("lesson.tensorium")));
    const QString clean = QString("lesson.tensorium - ") + identity::kWindowCaption;
    EXPECT_EQ(ShownTitle(), clean);
    const QString sx = Text("input_sx");
    Type("input_sx", sx + "1");
    EXPECT_EQ(ShownTitle(), QString("lesson.tensorium* - ") + identity::kWindowCaption);
    Type("input_sx", sx);
    EXPECT_EQ(ShownTitle(), clean) << "back as saved";
    Action("mnuAngleLeft")->trigger();
    EXPECT_TRUE(window->HasUnsavedChanges());

    // Ctrl+S saves to the same file.
    Action("mnuSaveExercise")->trigger();
    EXPECT_EQ(ShownTitle(), clean);
    EXPECT_TRUE(ReadBytes(Path("lesson.tensorium")).contains("counterclockwise from east"));
}

TEST_F(ExerciseSession, SaveExerciseAsksForANameTheFirstTime)
{
    WhenShown("SaveExerciseDialog", [this](QWidget* dialog) {
        qobject_cast<QFileDialog*>(dialog)->selectFile(Path("first"));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    Action("mnuSaveExercise")->trigger();
    EXPECT_TRUE(QFile::exists(Path("first.tensorium")));
    EXPECT_EQ(window->ExerciseFile(), Path("first.tensorium"));
}

TEST_F(ExerciseSession, ClosingWithUnsavedChangesAsksSaveDiscardOrCancel)
{
    // A run that never had a file closes without asking.
    Type("input_sx", "77");
    EXPECT_TRUE(window->close());

    window->show();
    ASSERT_TRUE(window->SaveExercise(Path("lesson.tensorium")));
    Type("input_sx", "78");
    Answer(QMessageBox::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text("input_sx"), "78") << "nothing lost";

    Answer(QMessageBox::Save);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(ReadBytes(Path("lesson.tensorium")).contains("78"));

    window->show();
    Type("input_sx", "79");
    Answer(QMessageBox::Discard);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(ReadBytes(Path("lesson.tensorium")).contains("79"));
}

TEST_F(ExerciseSession, OpeningAnotherFileWithUnsavedChangesCanBeCancelled)
{
    ASSERT_TRUE(window->SaveExercise(Path("other.tensorium")));
    ASSERT_TRUE(window->SaveExercise(Path("lesson.tensorium")));
    Type("input_sx", "78");
    Answer(QMessageBox::Cancel);
    QMenu* recent = window->findChild<QMenu*>("mnuRecentExercises");
    emit recent->aboutToShow();
    window->findChild<QAction*>("mnuRecentExercise2")->trigger();
    EXPECT_EQ(window->ExerciseFile(), Path("lesson.tensorium"));
    EXPECT_EQ(Text("input_sx"), "78");
}

TEST_F(ExerciseSession, RecentExercisesListTheLastEightNewestFirst)
{
    for (int i = 1; i <= 10; ++i) ASSERT_TRUE(window->SaveExercise(Path(QString("e%1.tensorium").arg(i))));
    QStringList wanted;
    for (int i = 10; i >= 3; --i) wanted << Path(QString("e%1.tensorium").arg(i));
    EXPECT_EQ(Recent(), wanted);

    window->findChild<QAction*>("mnuRecentExercise3")->trigger();
    EXPECT_EQ(window->ExerciseFile(), Path("e8.tensorium"));
    EXPECT_EQ(Recent().first(), Path("e8.tensorium"));

    // A file that has gone is reported and leaves the list.
    QFile::remove(Path("e9.tensorium"));
    failures.clear();
    Recent();
    window->findChild<QAction*>("mnuRecentExercise3")->trigger();
    EXPECT_EQ(failures.size(), 1);
    EXPECT_FALSE(Recent().contains(Path("e9.tensorium")));
}

TEST_F(ExerciseSession, TheExplorerTravelsInTheFile)
{
    Action("mnuStressExplorer")->trigger();
    auto* explorer = window->findChild<FrmExplorer*>("FrmExplorer");
    ASSERT_NE(explorer, nullptr);
    const ExplorerLesson lesson{"2.5", 3, false, true, true, 2, true, false};
    explorer->ShowLesson(lesson);
    ASSERT_TRUE(window->SaveExercise(Path("lesson.tensorium")));

    // The next run opens the file before and after opening its explorer.
    for (bool explorerFirst : {false, true}) {
        window = std::make_unique<TFrmTensorium>();
        window->show();
        if (explorerFirst) Action("mnuStressExplorer")->trigger();
        ASSERT_TRUE(window->OpenExercise(Path("lesson.tensorium")));
        Action("mnuStressExplorer")->trigger();
        explorer = window->findChild<FrmExplorer*>("FrmExplorer");
        EXPECT_TRUE(explorer->Lesson() == lesson) << explorerFirst;
        EXPECT_EQ(window->Session().State().porePressure, 2.5);
        EXPECT_FALSE(window->HasUnsavedChanges());
        explorer->findChild<QComboBox*>("cmbField")->setCurrentIndex(1);
        EXPECT_TRUE(window->HasUnsavedChanges()) << "the explorer is part of the exercise";
        Answer(QMessageBox::Discard);
        EXPECT_TRUE(window->close());
        window.reset();
    }
}

// Two windows of two regions in one run: what one saves, the other shows in
// its own separators, with the same numbers.
TEST(ExerciseRegions, AFileSavedUnderOneRegionOpensUnderAnotherWithTheSameValues)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("travel.tensorium");
    AnalysisSession german(NumberSeparators{",", "."});
    AnalysisSession english(NumberSeparators{".", ","});
    {
        TFrmTensorium writer(german);
        writer.show();
        writer.findChild<QLineEdit*>("input_sx")->setText("50,5");
        writer.findChild<QLineEdit*>("input_joint_c")->setText("5 MPa");
        ASSERT_TRUE(writer.SaveExercise(path));
    }
    TFrmTensorium reader(english);
    QStringList failures;
    reader.setFailureReporter([&failures](const QString& message) { failures << message; });
    reader.show();
    ASSERT_TRUE(reader.OpenExercise(path));
    EXPECT_EQ(reader.findChild<QLineEdit*>("input_sx")->text(), "50.5");
    EXPECT_EQ(reader.findChild<QLineEdit*>("input_joint_c")->text(), "5 MPa") << "kept as typed";
    EXPECT_EQ(reader.stress().sx, 50.5);
    EXPECT_EQ(failures, QStringList{"'5 MPa' is not a valid floating point value"});
}

}  // namespace
}  // namespace tensorium::testing_support
