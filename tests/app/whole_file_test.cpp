// Every file the program saves goes through one writer: a save that the disk
// takes only in part (here cut off by a file size limit) returns false with a
// message naming the file and the system's reason, keeps the earlier file
// byte for byte and leaves no temporary file beside it.
#include <QDir>
#include <QTemporaryDir>

#include <functional>

#include "app/explorer/explorer_mohr.h"
#include "app/explorer/explorer_net.h"
#include "app/explorer/frm_explorer.h"
#include "app/files/exercise_file.h"
#include "app/files/whole_file_writer.h"
#include "tests/app/exercise_support.h"
#include "tests/app/file_size_limit.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

using Save = std::function<bool(const QString& path, QString* error)>;

class WholeFile : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        Action("mnuStressExplorer")->trigger();
        explorer = window->findChild<FrmExplorer*>("FrmExplorer");
        ASSERT_NE(explorer, nullptr);
        explorer->resize(1200, 600);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(explorer));
    }

    // Saves `name` over an earlier file under a size limit of half the new
    // file, and expects the save refused as `what` and nothing else changed.
    void ExpectCutOffSaveKeepsTheEarlierFile(const QString& name, const Save& save, const QString& what)
    {
        // The whole new file, saved elsewhere, gives the limit.
        QTemporaryDir elsewhere;
        ASSERT_TRUE(elsewhere.isValid());
        QString error;
        ASSERT_TRUE(save(elsewhere.filePath(name), &error)) << error.toStdString();
        const qint64 whole = QFileInfo(elsewhere.filePath(name)).size();
        ASSERT_GT(whole, 200);
        RecordProperty("whole_bytes", static_cast<int>(whole));

        const QString path = folder.filePath(name);
        const QByteArray earlier = "the earlier " + name.toUtf8() + ", which must stay as it is\n";
        WriteBytes(path, earlier);
        bool saved = true;
        {
            const FileSizeLimit limit(whole / 2);
            ASSERT_TRUE(limit.ok());
            saved = save(path, &error);
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(error, what + " cannot be saved as \"" + path + "\": file too large")
            << error.toStdString();
        EXPECT_EQ(ReadBytes(path), earlier);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{name});

        // Without the limit the same save goes through.
        EXPECT_TRUE(save(path, &error)) << error.toStdString();
        EXPECT_EQ(QFileInfo(path).size(), whole);
    }

    Save Diagram(const ExplorerDiagram& diagram) const
    {
        return [&diagram](const QString& path, QString* error) { return diagram.SaveTo(path, error); };
    }

    QTemporaryDir folder;
    FrmExplorer* explorer = nullptr;
};

TEST_F(WholeFile, Exercise)
{
    Exercise exercise;
    exercise.globalStress = {"10", "20", "30", "1", "2", "3"};
    exercise.comments = {"a comment", "another"};
    ExpectCutOffSaveKeepsTheEarlierFile(
        "lesson.tensorium",
        [&exercise](const QString& path, QString* error) {
            *error = WriteExercise(path, exercise, ".");
            return error->isEmpty();
        },
        "The exercise");
}

TEST_F(WholeFile, DiagramAsSvg)
{
    ExpectCutOffSaveKeepsTheEarlierFile("net.svg", Diagram(explorer->Net()), "The diagram");
}

TEST_F(WholeFile, DiagramAsPdf)
{
    ExpectCutOffSaveKeepsTheEarlierFile("mohr.pdf", Diagram(explorer->Mohr()), "The diagram");
}

TEST_F(WholeFile, DiagramAsPng)
{
    ExpectCutOffSaveKeepsTheEarlierFile("net.png", Diagram(explorer->Net()), "The diagram");
}

TEST_F(WholeFile, WorkedSolutionAsPdf)
{
    ExpectCutOffSaveKeepsTheEarlierFile(
        "working.pdf",
        [this](const QString& path, QString* error) { return explorer->SaveWorking(path, error); },
        "The worked solution");
}

// A file that cannot be made at all is named with the system's reason, and
// the folder stays as it was.
TEST_F(WholeFile, AFileInAMissingFolder)
{
    const QString path = folder.filePath("missing/x.svg");
    QString error;
    EXPECT_FALSE(WriteWholeFile(path, "<svg/>", "The diagram", &error));
    EXPECT_EQ(error, "The diagram cannot be saved as \"" + path + "\": no such file or directory")
        << error.toStdString();
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

TEST_F(WholeFile, ADiagramOnlyAsSvgPdfOrPng)
{
    const QString path = folder.filePath("net.bmp");
    QString error;
    EXPECT_FALSE(explorer->Net().SaveTo(path, &error));
    EXPECT_EQ(error, "The diagram cannot be saved as \"" + path + "\": it is not a .svg, .pdf or .png file")
        << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace tensorium::testing_support
