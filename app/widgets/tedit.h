// An edit box that tells when the input focus leaves it for another control
// of the same window (not when the window itself loses activation or a
// menu opens). A box of computed text shows it whole; a box whose text
// failed to read is framed in red until it reads again.
#pragma once

#include <QFocusEvent>
#include <QLineEdit>

namespace tensorium {

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Shows `text` from its start, as a fresh box does. A box of computed
    // text also shrinks its font until the whole text fits, and shows it as
    // its tool tip.
    void setShownText(const QString& text);

    // Marks a box of computed text; a text the user types keeps the font.
    void setFitsShownText(bool fits);
    bool fitsShownText() const { return fitsShownText_; }

    // The width the text has inside the frame and the margins.
    int textRoomWidth() const;

    // The font colour, the same whether the box is enabled or not.
    void setTextColour(const QColor& colour);
    QColor textColour() const { return palette().color(QPalette::Active, QPalette::Text); }

    // The red frame of a text that failed to read.
    void markFailed();
    void clearFailureMark();
    bool isMarkedFailed() const { return markedFailed_; }
    // Still the very text that failed when it was marked.
    bool showsFailedText() const { return markedFailed_ && text() == failedText_; }

signals:
    void exited();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FitFont();

    bool fitsShownText_ = false;
    bool markedFailed_ = false;
    QString failedText_;
};

}  // namespace tensorium
