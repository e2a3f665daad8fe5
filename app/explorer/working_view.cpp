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
