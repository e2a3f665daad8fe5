#include "app/exercise/result_sheet.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include "app/explorer/working_document.h"

namespace tensorium {

QByteArray ResultSheetPdf(const ResultSheet& sheet)
{
    QTextDocument document;
    QFont body("Liberation Sans");
    body.setPointSizeF(10);
    document.setDefaultFont(body);
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontPointSize(15);
    heading.setFontWeight(QFont::Bold);
    QTextCharFormat plain;
    plain.setFontPointSize(10);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);

    cursor.insertText("Tensorium - Result sheet", heading);
    cursor.insertBlock();
    cursor.insertText("Student: ", bold);
    cursor.insertText(sheet.student.isEmpty() ? QString("(no name given)") : sheet.student, plain);
    cursor.insertBlock();
    cursor.insertText("Date: ", bold);
    cursor.insertText(sheet.date, plain);
    if (!sheet.task.isEmpty()) {
        cursor.insertBlock();
        cursor.insertBlock();
        cursor.insertText("Task", bold);
        cursor.insertBlock();
        cursor.insertText(sheet.task, plain);
    }
    cursor.insertBlock();
    cursor.insertBlock();

    // One row a question, under a header row.
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorder(0.5);
    format.setHeaderRowCount(1);
    QTextTable* table = cursor.insertTable(static_cast<int>(sheet.questions.size()) + 1, 5, format);
    const char* headers[] = {"Question", "Answer given", "Verdict", "Right value", "Hint"};
    for (int c = 0; c < 5; ++c) table->cellAt(0, c).firstCursorPosition().insertText(headers[c], bold);
    for (size_t k = 0; k < sheet.questions.size(); ++k) {
        const MarkedQuestion& q = sheet.questions[k];
        const QString cells[] = {q.question, q.answer,
                                 q.verdict.isEmpty() ? QString("not checked") : q.verdict, q.right, q.hint};
        for (int c = 0; c < 5; ++c)
            table->cellAt(static_cast<int>(k) + 1, c).firstCursorPosition().insertText(cells[c], plain);
    }
    cursor.movePosition(QTextCursor::End);

    // The worked solution, in its own fixed-width font, from a new page.
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    QTextCharFormat working;
    working.setFont(WorkingFont());
    working.setFontPointSize(9);
    const QStringList lines = sheet.working.split('\n');
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (k > 0) cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(lines[k], working);
    }

    return A4Pdf("Tensorium - Result sheet", [&document](QPagedPaintDevice& pdf) { document.print(&pdf); });
}

}  // namespace tensorium
