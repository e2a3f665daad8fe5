// Starts the program: the application object and its one main window.
#include <QApplication>
#include <QIcon>

#include "app/app_identity.h"
#include "app/frm_tensorium.h"

#ifdef TENSORIUM_TEST_PROBE
#include "app/test_probe.h"
#endif

int main(int argc, char* argv[])
{
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
