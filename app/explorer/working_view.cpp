#include "app/explorer/working_view.h"

#include <QMimeData>
#include <QTextBlock>

namespace tensorium {
namespace {

// A cursor's selection parts its lines by the paragraph separator.
QString WithNewlines(QString text) { return text.replace(QChar::ParagraphSeparator, QChar('\n')); }

}  // namespace

WorkingView::WorkingView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString WorkingView::Text() const
{
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) lines << block.text();
    return lines.join('\n');
}

QMimeData* WorkingView::createMimeDataFromSelection() const
{
    auto* mime = new QMimeData;
    mime->setText(WithNewlines(textCursor().selectedText()));
    return mime;
}

}  // namespace tensorium
