#include "app/explorer/working_view.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

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
    // Lines rewritten in place would otherwise pile up as undo steps.
    setUndoRedoEnabled(false);
}

QString WorkingView::Text() const
{
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) lines << block.text();
    return lines.join('\n');
}

void WorkingView::SetText(const QString& text)
{
    const QStringList lines = text.split('\n');
    const int top = verticalScrollBar()->value();
    if (lines.size() != document()->blockCount()) {
        setPlainText(text);
    } else {
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        QTextBlock block = document()->begin();
        for (const QString& line : lines) {
            if (block.text() != line) {
                cursor.setPosition(block.position());
                cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
                cursor.insertText(line);
            }
            block = block.next();
        }
        cursor.endEditBlock();
    }
    verticalScrollBar()->setValue(top);
}

QString WorkingView::PlainReading(QString text)
{
    static const QString subscripts = QString::fromUtf8("₀₁₂₃₄₅₆₇₈₉₊₋₌₍₎ₐₑₒₓₔₕₖₗₘₙₚₛₜᵢᵣᵤᵥⱼ");
    static const QString plain = QString::fromUtf8("0123456789+-=()aeoxəhklmnpstiruvj");
    for (QChar& c : text) {
        const qsizetype at = subscripts.indexOf(c);
        if (at >= 0) c = plain[at];
    }
    return text;
}

QMimeData* WorkingView::createMimeDataFromSelection() const
{
    auto* mime = new QMimeData;
    mime->setText(PlainReading(WithNewlines(textCursor().selectedText())));
    return mime;
}

}  // namespace tensorium
