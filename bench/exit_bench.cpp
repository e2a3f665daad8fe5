// How long the program takes to end after the user closes it: the probed
// program is started on the offscreen screen, waited for until its window is
// up, closed through "Exit" or Alt+F4, and timed until its process has ended.
#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString gProgram;  // the probed program, from the command line

// One start and close; returns the seconds from the command to the end of
// the process, or a negative value when the program did not do its part.
double SecondsToEnd(const QByteArray& command)
{
    QTemporaryDir dir;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TENSORIUM_PROBE_FILE", dir.filePath("probe.txt"));
    env.insert("LC_ALL", "C");
    env.insert("XDG_CONFIG_HOME", dir.filePath("settings"));  // nothing remembered in the user's folder
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(gProgram, {});
    if (!program.waitForStarted(10000)) return -1;
    // The probe says "ready" once the window is shown and its first cycle ran.
    while (!program.canReadLine())
        if (!program.waitForReadyRead(10000)) return -1;
    if (program.readLine() != "ready\n") return -1;

    QElapsedTimer clock;
    clock.start();
    program.write(command + '\n');
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished();
        return -1;
    }
    const double seconds = clock.nsecsElapsed() * 1e-9;
    if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0) return -1;
    return seconds;
}

void ExitLatency(benchmark::State& state, const char* command)
{
    for (auto _ : state) {
        const double seconds = SecondsToEnd(command);
        if (seconds < 0) {
            state.SkipWithError("the program did not start or end cleanly");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
// Each iteration starts a whole program, so a few are enough for a median.
BENCHMARK_CAPTURE(ExitLatency, Exit, "exit")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ExitLatency, AltF4, "alt+f4")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    gProgram = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TENSORIUM_PROBED_PROGRAM);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
