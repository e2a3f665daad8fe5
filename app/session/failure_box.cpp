#include "app/session/failure_box.h"

#include <QMessageBox>

#include "app/app_identity.h"

namespace tensorium {

QString FailureText(const QString& message)
{
    if (!message.isEmpty() && message.back().isLetterOrNumber()) return message + ".";
    return message;
}

void ShowFailureBox(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, identity::kApplicationTitle, FailureText(message), QMessageBox::Ok,
                    parent);
    box.setObjectName("FailureBox");
    box.exec();
}

}  // namespace tensorium
