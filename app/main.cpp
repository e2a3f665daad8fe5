// Starts the program: the application object and its one main window.
#include <QApplication>
#include <QIcon>

#include <cstdio>

#include "app/app_identity.h"
#include "app/display_check.h"
#include "app/frm_tensorium.h"

#ifdef TENSORIUM_TEST_PROBE
#include "app/test_probe.h"
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
    return application.exec();
}
