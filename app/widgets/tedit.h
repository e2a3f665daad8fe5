// An edit box that tells when the input focus leaves it for another control
// of the same window (not when the window itself loses activation or a
// menu opens).
#pragma once

#include <QFocusEvent>
#include <QLineEdit>

namespace tensorium {

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Shows `text` from its start, as a fresh box does.
    void setShownText(const QString& text)
    {
        setText(text);
        setCursorPosition(0);
    }

signals:
    void exited();

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
            emit exited();
    }
};

}  // namespace tensorium
