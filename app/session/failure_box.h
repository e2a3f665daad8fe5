// How a failure reaches the user: the message box every handler's guard shows.
#pragma once

#include <QString>

class QWidget;

namespace tensorium {

// The failure's message with a full stop appended when it ends in a letter or digit.
QString FailureText(const QString& message);

// Shows the modal failure box: the application title, a stop icon, one OK button.
void ShowFailureBox(QWidget* parent, const QString& message);

}  // namespace tensorium
