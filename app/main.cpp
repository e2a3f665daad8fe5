// Starts the program: the application object and its one main window.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>

#include "app/app_identity.h"
#include "app/display_check.h"
#include "app/main_window/frm_tensorium.h"

#ifdef TENSORIUM_TEST_PROBE
#include "tests/probe/test_probe.h"
#endif

int main(int argc, char* argv[])
{
    if (!tensorium::HasDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", tensorium::kNoDisplayMessage);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setStyle("Windows");
    QApplication::setApplicationName(tensorium::identity::kApplicationTitle);
    QApplication::setWindowIcon(QIcon(":/images/tensorium_icon.svg"));
    tensorium::TFrmTensorium window;
#ifdef TENSORIUM_TEST_PROBE
    tensorium::TestProbe probe(qEnvironmentVariable("TENSORIUM_PROBE_FILE"));
#endif
    window.show();
    // An exercise named on the command line, as a file manager names the
    // file opened with the program, opens once the window is up.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QString exercise = arguments.at(1);
        QTimer::singleShot(0, &window, [&window, exercise] { window.OpenExercise(exercise); });
    }
    return application.exec();
}
