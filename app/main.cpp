// Starts the program: the application object and its one main window.
#include <QApplication>
#include <QIcon>

#include "app/app_identity.h"
#include "app/frm_tensorium.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle("Windows");
    QApplication::setApplicationName(tensorium::identity::kApplicationTitle);
    QApplication::setWindowIcon(QIcon(":/images/tensorium_icon.svg"));
    tensorium::TFrmTensorium window;
    window.show();
    return application.exec();
}
