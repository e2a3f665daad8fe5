// Exercise files that cannot be used, and saves that cannot be made: one
// message naming the file and what is wrong, the slot false, and nothing in
// the window changed; a failed save leaves no half-written file.
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "app/files/exercise_file.h"
#include "tests/app/exercise_support.h"
#include "tests/app/file_size_limit.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class ExerciseFailures : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // A state of its own, so that a change by a failed opening shows.
        for (const char* name : kExerciseFields) Type(name, "2");
        Action("mnuAngleLeft")->trigger();
        ASSERT_TRUE(failures.isEmpty());
        before = WindowState(*window);
    }

    // Opens `path` and expects one failure naming the file and saying `what`.
    void ExpectRefused(const QString& path, const QString& what)
    {
        failures.clear();
        EXPECT_FALSE(window->OpenExercise(path));
        ASSERT_EQ(failures.size(), 1);
        EXPECT_TRUE(failures[0].contains('"' + path + '"')) << failures[0].toStdString();
        EXPECT_TRUE(failures[0].contains(what))
            << failures[0].toStdString() << "\nwants: " << what.toStdString();
        EXPECT_EQ(WindowState(*window), before);
    }

    // A valid exercise document with one member replaced (or removed when
    // `value` is undefined) at the top or inside a group.
    QByteArray Changed(const QString& group, const QString& key, const QJsonValue& value) const
    {
        Exercise exercise;
        exercise.globalStress = {"1", "2", "3", "4", "5", "6"};
        exercise.explorer = ExplorerLesson{};
        QJsonObject document = QJsonDocument::fromJson(ExerciseDocument(exercise, ".")).object();
        QJsonObject inner = group.isEmpty() ? document : document.value(group).toObject();
        if (value.isUndefined())
            inner.remove(key);
        else
            inner.insert(key, value);
        if (group.isEmpty())
            document = inner;
        else
            document.insert(group, inner);
        return QJsonDocument(document).toJson();
    }

    void ExpectRefusedBytes(const QByteArray& bytes, const QString& what)
    {
        const QString path = folder.filePath("exercise.tensorium");
        WriteBytes(path, bytes);
        ExpectRefused(path, what);
    }

    QTemporaryDir folder;
    QMap<QString, QString> before;
};

TEST_F(ExerciseFailures, AMissingFile)
{
    ExpectRefused(folder.filePath("nowhere.tensorium"), "does not exist");
}

TEST_F(ExerciseFailures, AFolderInsteadOfAFile)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.tensorium"));
    ExpectRefused(folder.filePath("folder.tensorium"), "cannot be read: it is a folder");
}

TEST_F(ExerciseFailures, AFileWithoutReadPermission)
{
    const QString path = folder.filePath("locked.tensorium");
    Exercise exercise;
    ASSERT_TRUE(WriteExercise(path, exercise, ".").isEmpty());
    ASSERT_EQ(::chmod(path.toLocal8Bit().constData(), 0), 0);
    if (QFile file(path); file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running as root, who reads a file without read permission";
    ExpectRefused(path, "cannot be read: permission denied");
}

TEST_F(ExerciseFailures, AnEmptyFile) { ExpectRefusedBytes("", "is empty"); }

TEST_F(ExerciseFailures, ATruncatedFile)
{
    const QByteArray whole = ExerciseDocument(Exercise{}, ".");
    for (const qsizetype length : {qsizetype(1), whole.size() / 2, whole.size() - 3}) {
        SCOPED_TRACE(length);
        ExpectRefusedBytes(whole.left(length), "is cut short or not JSON");
    }
}

TEST_F(ExerciseFailures, TextThatIsNotJson)
{
    ExpectRefusedBytes("sx = 10\nsy = 20\n", "is cut short or not JSON");
    ExpectRefusedBytes("\x89PNG\r\n\x1a\n", "is cut short or not JSON");
}

TEST_F(ExerciseFailures, JsonThatNamesNoFormat)
{
    ExpectRefusedBytes("[1, 2, 3]", "is not a Tensorium exercise: it names no format");
    ExpectRefusedBytes(Changed("", "format", QJsonValue::Undefined), "it names no format");
    ExpectRefusedBytes(Changed("", "format", 7), "it names no format");
}

TEST_F(ExerciseFailures, AnotherFormatName)
{
    ExpectRefusedBytes(Changed("", "format", "spreadsheet"),
                       "is not a Tensorium exercise: its format is \"spreadsheet\"");
}

TEST_F(ExerciseFailures, ANewerVersion)
{
    ExpectRefusedBytes(Changed("", "version", 5), "was saved by a newer Tensorium (exercise version 5)");
}

TEST_F(ExerciseFailures, AVersionThatIsNoWholeNumber)
{
    for (const QJsonValue& version : {QJsonValue("1"), QJsonValue(1.5), QJsonValue(0), QJsonValue(-1),
                                      QJsonValue(QJsonValue::Undefined)}) {
        SCOPED_TRACE(QJsonDocument(QJsonObject{{"v", version}}).toJson().toStdString());
        ExpectRefusedBytes(Changed("", "version", version), "is damaged: \"version\"");
    }
}

TEST_F(ExerciseFailures, MembersOfTheWrongType)
{
    ExpectRefusedBytes(Changed("global_stress", "sx", true), "is damaged: \"global_stress.sx\"");
    ExpectRefusedBytes(Changed("global_stress", "sy", QJsonArray{1}), "\"global_stress.sy\"");
    ExpectRefusedBytes(Changed("", "explorer", "x"), "is damaged: \"explorer\"");
    ExpectRefusedBytes(Changed("explorer", "field", "heat"), "\"explorer.field\"");
    ExpectRefusedBytes(Changed("explorer", "text_steps", 1.5), "\"explorer.text_steps\"");
    ExpectRefusedBytes(Changed("explorer", "pore_pressure", false), "\"explorer.pore_pressure\"");
    ExpectRefusedBytes(Changed("explorer", "layers", QJsonObject{{"principal", true}}),
                       "\"explorer.layers.user\"");
    ExpectRefusedBytes(Changed("user_angles", "psi", QJsonValue::Undefined), "\"user_angles.psi\"");
    ExpectRefusedBytes(Changed("joint", "cohesion", QJsonValue::Null), "\"joint.cohesion\"");
    ExpectRefusedBytes(Changed("", "joint", "30"), "is damaged: \"joint\"");
    ExpectRefusedBytes(Changed("", "comments", QJsonArray{"only one"}), "\"comments\"");
    ExpectRefusedBytes(Changed("", "comments", QJsonArray{"one", 2}), "\"comments\"");
    ExpectRefusedBytes(Changed("", "azimuth_convention", "up"), "\"azimuth_convention\"");
    ExpectRefusedBytes(Changed("", "azimuth_convention", true), "\"azimuth_convention\"");
}

// A later member's damage does not leave the earlier ones in the window.
TEST_F(ExerciseFailures, ADamagedFileChangesNoFieldItReadBeforeTheDamage)
{
    ExpectRefusedBytes(Changed("", "azimuth_convention", QJsonValue::Undefined), "\"azimuth_convention\"");
}

// Under a regular file no folder can be made, not even by root.
TEST_F(ExerciseFailures, SavingWhereNoFileCanBeMade)
{
    WriteBytes(folder.filePath("plain"), "not a folder");
    const QString path = folder.filePath("plain/x.tensorium");
    failures.clear();
    EXPECT_FALSE(window->SaveExercise(path));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0], "The exercise cannot be saved as \"" + path + "\": not a directory");
    EXPECT_EQ(ReadBytes(folder.filePath("plain")), "not a folder");
    EXPECT_EQ(WindowState(*window), before);
}

TEST_F(ExerciseFailures, SavingIntoAFolderWithoutWritePermission)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    const QString locked = folder.filePath("locked");
    ASSERT_EQ(::chmod(locked.toLocal8Bit().constData(), 0555), 0);
    const bool rootWrites = QFileInfo(locked).isWritable();
    if (rootWrites) {
        ::chmod(locked.toLocal8Bit().constData(), 0755);
        GTEST_SKIP() << "running as root, who writes into a folder without write permission";
    }
    failures.clear();
    EXPECT_FALSE(window->SaveExercise(locked + "/x.tensorium"));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(locked + "/x.tensorium")) << failures[0].toStdString();
    EXPECT_TRUE(QDir(locked).isEmpty());
    ::chmod(locked.toLocal8Bit().constData(), 0755);
}

// A write cut off by a file size limit (which binds root too) keeps the
// earlier exercise whole and leaves no temporary file.
TEST_F(ExerciseFailures, AFailedSaveLeavesTheEarlierFileWhole)
{
    const QString path = folder.filePath("earlier.tensorium");
    ASSERT_TRUE(window->SaveExercise(path));
    const QByteArray earlier = ReadBytes(path);
    Type("edtUserComment1", QString(4000, 'x'));

    failures.clear();
    bool saved_ok = true;
    {
        const FileSizeLimit limit(earlier.size() + 100);
        ASSERT_TRUE(limit.ok());
        saved_ok = window->SaveExercise(path);
    }

    EXPECT_FALSE(saved_ok);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains('"' + path + '"')) << failures[0].toStdString();
    EXPECT_EQ(ReadBytes(path), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"earlier.tensorium"});
}

}  // namespace
}  // namespace tensorium::testing_support
