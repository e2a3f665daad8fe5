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

    // The font colour, the same whether the box is enabled or not.
    void setTextColour(const QColor& colour)
    {
        QPalette p = palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, QPalette::Text, colour);
        setPalette(p);
    }
    QColor textColour() const { return palette().color(QPalette::Active, QPalette::Text); }

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
