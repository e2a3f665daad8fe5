// The real program opens the exercise named on its command line, as a file
// manager starts it for a double-clicked file; the program's test probe tells
// what the window shows. Usage: command_line_exercise_tests <probed program>
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>

#include "app/files/exercise_file.h"

namespace tensorium {
namespace {

QString gProgram;

// The edit texts and the open message box of the probe's latest snapshot.
struct Shown {
    QMap<QString, QString> edits;
    QString modalText;
};

Shown ReadProbe(const QString& path)
{
    Shown shown;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return shown;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split('\t');
        if (f[0] == "edit" && f.size() >= 3) shown.edits[f[1]] = f[2];
        if (f[0] == "modal" && f.size() >= 4) shown.modalText = f[3];
    }
    return shown;
}

class CommandLineExercise : public ::testing::Test {
protected:
    void Start(const QString& exercise)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LC_ALL", "C");
        environment.insert("TENSORIUM_PROBE_FILE", folder.filePath("probe"));
        // What the program remembers stays in the test's folder.
        environment.insert("XDG_CONFIG_HOME", folder.filePath("settings"));
        program.setProcessEnvironment(environment);
        program.start(gProgram, {exercise});
        ASSERT_TRUE(program.waitForStarted(30000)) << program.errorString().toStdString();
        QByteArray said;
        while (!said.contains("ready\n") && program.waitForReadyRead(60000))
            said += program.readAllStandardOutput();
        ASSERT_TRUE(said.contains("ready\n")) << "the program did not say ready";
    }

    // The first snapshot for which `wanted` holds, within a minute.
    Shown WaitFor(const std::function<bool(const Shown&)>& wanted)
    {
        const QDeadlineTimer deadline(60000);
        Shown shown = ReadProbe(folder.filePath("probe"));
        while (!wanted(shown) && !deadline.hasExpired()) {
            QThread::msleep(20);
            shown = ReadProbe(folder.filePath("probe"));
        }
        return shown;
    }

    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(30000);
        }
    }

    QTemporaryDir folder;
    QProcess program;
};

TEST_F(CommandLineExercise, TheNamedFileFillsTheWindow)
{
    Exercise exercise;
    exercise.globalStress = {"21.5", "-4", "13", "2.25", "0", "7"};
    exercise.userAngles = {"15", "25", "35"};
    exercise.joint = {"200", "40", "28", "0.75"};
    exercise.comments = {"Übung 7", "group B"};
    const QString path = folder.filePath("double clicked.tensorium");
    ASSERT_TRUE(WriteExercise(path, exercise, ".").isEmpty());
    Start(path);

    const Shown shown = WaitFor([](const Shown& s) { return s.edits.value("edtUserComment1") == "Übung 7"; });
    const char* names[] = {"input_sx",      "input_sy",         "input_sz",        "input_txy",
                           "input_tyz",     "input_tzx",        "edtbeta",         "edtpsi",
                           "edttheta",      "input_joint_beta", "input_joint_psi", "input_joint_phi",
                           "input_joint_c", "edtUserComment1",  "edtUserComment2"};
    QStringList expected, actual;
    for (const QString& t : exercise.globalStress) expected << t;
    for (const QString& t : exercise.userAngles) expected << t;
    for (const QString& t : exercise.joint) expected << t;
    for (const QString& t : exercise.comments) expected << t;
    for (const char* name : names) actual << shown.edits.value(name);
    EXPECT_EQ(actual, expected);
    EXPECT_TRUE(shown.modalText.isEmpty()) << shown.modalText.toStdString();
    // The cycle ran on the file's stresses: the largest principal stress is
    // at least the largest normal stress.
    EXPECT_GE(shown.edits.value("input_s1").toDouble(), 21.5);

    program.write("exit\n");
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(CommandLineExercise, AMissingFileIsReportedInTheFailureBox)
{
    const QString path = folder.filePath("gone.tensorium");
    Start(path);
    const Shown shown = WaitFor([](const Shown& s) { return !s.modalText.isEmpty(); });
    EXPECT_EQ(shown.modalText, "The exercise file \"" + path + "\" does not exist.");
}

}  // namespace
}  // namespace tensorium

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: command_line_exercise_tests <probed program>\n");
        return 2;
    }
    tensorium::gProgram = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
