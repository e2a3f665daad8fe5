// The real program, started under an X server and driven as a user would
// drive it: xdotool moves the mouse, clicks and types; the program's test
// probe tells what the window shows after each step.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>

#include "core/number_format.h"
#include "core/principal_solver.h"

namespace tensorium::testing_support {
namespace {

QString gProgram;  // the probed program, from the command line

struct Probe {
    QString focus, page;
    QMap<QString, QString> edits;
    QMap<QString, QRect> places;  // edits, buttons, tabs ("tab:Principal"), menus ("menu:File"), items
    QMap<QString, bool> checked;
    QString modalClass, modalTitle, modalText;
    int modalIcon = -1;
    bool valid = false;

    QPoint Centre(const QString& key) const { return places.value(key).center(); }
};

Probe ReadProbe(const QString& path)
{
    Probe p;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return p;
    p.valid = true;
    auto rect = [](const QStringList& f, int i) {
        return QRect(f[i].toInt(), f[i + 1].toInt(), f[i + 2].toInt(), f[i + 3].toInt());
    };
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split('\t');
        const QString& kind = f[0];
        if (kind == "focus")
            p.focus = f.value(1);
        else if (kind == "page")
            p.page = f[1];
        else if (kind == "tab" && f.size() >= 6)
            p.places["tab:" + f[1]] = rect(f, 2);
        else if (kind == "edit" && f.size() >= 7) {
            p.edits[f[1]] = f[2];
            p.places[f[1]] = rect(f, 3);
        } else if (kind == "button" && f.size() >= 7) {
            p.checked[f[1]] = f[2] == "1";
            p.places[f[1]] = rect(f, 3);
        } else if (kind == "menu" && f.size() >= 6)
            p.places["menu:" + f[1]] = rect(f, 2);
        else if (kind == "item" && f.size() >= 7) {
            p.checked[f[1]] = f[2] == "1";
            p.places[f[1]] = rect(f, 3);
        } else if (kind == "modal" && f.size() >= 5) {
            p.modalClass = f[1];
            p.modalTitle = f[2];
            p.modalText = f[3];
            p.modalIcon = f[4].toInt();
        }
    }
    return p;
}

void XdoTool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    ASSERT_TRUE(xdotool.waitForFinished(10000)) << arguments.join(' ').toStdString();
    ASSERT_EQ(xdotool.exitCode(), 0) << arguments.join(' ').toStdString();
}

class UserSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        probePath = dir.filePath("probe.txt");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TENSORIUM_PROBE_FILE", probePath);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("LC_ALL", "C");
        // What the program remembers stays in the test's folder.
        env.insert("XDG_CONFIG_HOME", dir.filePath("settings"));
        program.setProcessEnvironment(env);
        program.start(gProgram, {});
        ASSERT_TRUE(program.waitForStarted(10000));
        ASSERT_TRUE(WaitFor([](const Probe& p) { return p.edits.value("input_s1") == "8.794"; }))
            << "the first cycle ran when the window was shown";
    }

    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }

    bool WaitFor(const std::function<bool(const Probe&)>& condition, int milliseconds = 15000)
    {
        for (int waited = 0; waited < milliseconds; waited += 50) {
            last = ReadProbe(probePath);
            if (last.valid && condition(last)) return true;
            QThread::msleep(50);
        }
        return false;
    }

    void Click(const QString& key)
    {
        ASSERT_TRUE(last.places.contains(key)) << key.toStdString();
        const QPoint c = last.Centre(key);
        XdoTool({"mousemove", "--sync", QString::number(c.x()), QString::number(c.y()), "click", "1"});
    }
    void Key(const QString& keys) { XdoTool({"key", "--clearmodifiers", keys}); }
    void TypeText(const QString& text) { XdoTool({"type", "--delay", "30", text}); }

    // Replaces a field's text as a user does: click, select all, type.
    void Retype(const QString& field, const QString& text)
    {
        Click(field);
        ASSERT_TRUE(WaitFor([&](const Probe& p) { return p.focus == field; })) << field.toStdString();
        Key("ctrl+a");
        TypeText(text);
        ASSERT_TRUE(WaitFor([&](const Probe& p) { return p.edits.value(field) == text; }));
    }

    void OpenMenuItem(const QString& menu, const QString& item)
    {
        Click("menu:" + menu);
        ASSERT_TRUE(WaitFor([&](const Probe& p) { return p.places.contains(item); })) << item.toStdString();
        Click(item);
    }

    // Runs the closing step and waits for the process to end; prints how long
    // that took (the speed itself is measured by the exit benchmark).
    void ExpectCleanEnd(const std::function<void()>& closing, const char* how)
    {
        QElapsedTimer clock;
        clock.start();
        closing();
        ASSERT_TRUE(program.waitForFinished(15000)) << how << " did not end the program";
        std::printf("%s ended the program after %lld ms\n", how, static_cast<long long>(clock.elapsed()));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << how;
        EXPECT_EQ(program.exitCode(), 0) << how;
    }

    QTemporaryDir dir;
    QString probePath;
    QProcess program;
    Probe last;
};

QString Shown(double value, int decimals)
{
    return QString::fromStdString(FormatNumber(value, decimals, {".", ","}));
}

TEST_F(UserSession, TypingSwitchingPagesMenusAFailureThePreviewAndExit)
{
    // Type a new sx and leave the field with Tab: the cycle runs.
    Retype("input_sx", "10");
    EXPECT_EQ(last.edits.value("input_s1"), "8.794") << "typing alone changes nothing";
    Key("Tab");
    const PrincipalResult expected =
        ComputePrincipalStresses({10, 1, 8, 1, -1, 2}, AzimuthConvention::azClockwiseFromNorth);
    ASSERT_TRUE(WaitFor([&](const Probe& p) { return p.edits.value("input_s1") == Shown(expected.s1, 3); }));
    EXPECT_EQ(last.edits.value("edtL2"), Shown(expected.axes[1].cosines[0], 6));

    // Pages.
    Click("tab:Principal");
    ASSERT_TRUE(WaitFor([](const Probe& p) { return p.page == "tbcPrincipal"; }));
    Click("tab:Global");
    ASSERT_TRUE(WaitFor([](const Probe& p) { return p.page == "tbcGlobal"; }));

    // A bad value: the failure box, dismissed with Enter; nothing changes.
    Retype("input_sz", "5x");
    Click("btnCalculate");
    ASSERT_TRUE(WaitFor([](const Probe& p) { return p.modalClass == "QMessageBox"; }));
    EXPECT_EQ(last.modalTitle, "Tensorium version 2.0");
    EXPECT_EQ(last.modalText, "'5x' is not a valid floating point value.");
    EXPECT_EQ(last.modalIcon, 3) << "the stop icon";
    Key("Return");
    ASSERT_TRUE(WaitFor([](const Probe& p) { return p.modalClass.isEmpty(); }));
    EXPECT_EQ(last.edits.value("input_s1"), Shown(expected.s1, 3));

    Retype("input_sz", "8");
    Click("btnCalculate");

    // The azimuth convention from the Angles menu.
    const PrincipalResult east =
        ComputePrincipalStresses({10, 1, 8, 1, -1, 2}, AzimuthConvention::azCounterclockwiseFromEast);
    OpenMenuItem("Angles", "mnuAngleLeft");
    ASSERT_TRUE(WaitFor([&](const Probe& p) {
        return p.edits.value("input_s1_beta") == Shown(RadToDeg(east.axes[0].azimuth), 2);
    }));
    OpenMenuItem("Angles", "mnuAngleRight");
    ASSERT_TRUE(WaitFor([&](const Probe& p) {
        return p.edits.value("input_s1_beta") == Shown(RadToDeg(expected.axes[0].azimuth), 2);
    }));

    // The print preview opens modal and closes again.
    OpenMenuItem("File", "Reportprintpreview1");
    ASSERT_TRUE(WaitFor([](const Probe& p) { return p.modalClass == "QPrintPreviewDialog"; }));
    EXPECT_EQ(last.modalTitle, "Print Preview");
    Key("Escape");
    ASSERT_TRUE(WaitFor([](const Probe& p) { return p.modalClass.isEmpty(); }));

    // Exit ends the process with status 0.
    Click("menu:File");
    ASSERT_TRUE(WaitFor([](const Probe& p) { return p.places.contains("mnuExit"); }));
    ExpectCleanEnd([&] { Click("mnuExit"); }, "Exit");
}

TEST_F(UserSession, AltF4EndsTheProgram)
{
    Click("input_sx");
    ASSERT_TRUE(WaitFor([](const Probe& p) { return p.focus == "input_sx"; }))
        << "the window has the keyboard";
    ExpectCleanEnd([&] { Key("alt+F4"); }, "Alt+F4");
}

}  // namespace
}  // namespace tensorium::testing_support

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: %s <probed program>\n", argv[0]);
        return 2;
    }
    tensorium::testing_support::gProgram = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
