#include "app/widgets/tedit.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "app/widgets/fitting_font.h"

namespace tensorium {
namespace {

// QLineEdit keeps this much room on either side of its text.
constexpr int kLineEditHorizontalMargin = 2;
const QColor kFailureFrameColour(255, 0, 0);

}  // namespace

void TEdit::setShownText(const QString& text)
{
    setText(text);
    setCursorPosition(0);
    // The program replaced the text that failed.
    clearFailureMark();
    if (fitsShownText_) FitFont();
}

void TEdit::setFitsShownText(bool fits)
{
    if (fits == fitsShownText_) return;
    fitsShownText_ = fits;
    if (fits) {
        // What the user types is input: it keeps the font of the window.
        connect(this, &QLineEdit::textEdited, this, [this] {
            setFont(QFont());
            setToolTip({});
        });
        FitFont();
    }
}

void TEdit::FitFont()
{
    // The inherited font is the design font; a fitted one is derived from it.
    setFont(QFont());
    const QFont design = font();
    const QFont fitted = FontFittingWidth(design, text(), textRoomWidth());
    if (fitted != design) setFont(fitted);
    setToolTip(text());
}

int TEdit::textRoomWidth() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).width() - 2 * kLineEditHorizontalMargin;
}

void TEdit::setTextColour(const QColor& colour)
{
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Text, colour);
    setPalette(p);
}

void TEdit::markFailed()
{
    markedFailed_ = true;
    failedText_ = text();
    update();
}

void TEdit::clearFailureMark()
{
    if (!markedFailed_) return;
    markedFailed_ = false;
    failedText_.clear();
    update();
}

void TEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit exited();
}

void TEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!markedFailed_) return;
    // Drawn over the style's frame, so it shows in every style.
    QPainter painter(this);
    painter.setPen(QPen(kFailureFrameColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace tensorium
