// The worked solution in the stress explorer beside the real main window: it
// agrees with the main window's own outputs, follows every cycle and every
// pore pressure, copies as text, and prints on A4 pages of its own.
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "app/explorer/frm_explorer.h"
#include "app/explorer/working_view.h"
#include "tests/app/explorer_fixture.h"
#include "tests/core/working_lines.h"
#include "tests/report/pdf_words.h"

namespace tensorium::testing_support {
namespace {

class Working : public ExplorerTest {
protected:
    void SetUp() override
    {
        ExplorerTest::SetUp();
        working = explorer->findChild<QPlainTextEdit*>("txtWorking");
        ASSERT_NE(working, nullptr);
    }
    std::string Shown() const { return explorer->WorkingText().toStdString(); }
    std::string Shown(const char* name) const { return Value(Shown(), name); }
    std::string Main(const char* name) const { return Text(name).toStdString(); }
    QPlainTextEdit* working = nullptr;
};

TEST_F(Working, IsAReadOnlySelectableTextBelowTheDiagrams)
{
    EXPECT_TRUE(working->isVisible());
    EXPECT_TRUE(working->isReadOnly());
    EXPECT_TRUE(working->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(working->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_EQ(working->accessibleName(), "Worked solution");
    EXPECT_TRUE(QFontInfo(working->font()).fixedPitch()) << "matrices keep their columns";
    // The diagrams keep most of the height, above the text.
    const QWidget* net = explorer->findChild<QWidget*>("ExplorerNet");
    ASSERT_NE(net, nullptr);
    EXPECT_LT(net->mapTo(explorer, QPoint(0, net->height())).y(), working->mapTo(explorer, QPoint(0, 0)).y());
    EXPECT_GT(net->height(), working->height());
}

TEST_F(Working, AgreesWithTheMainWindowsOutputs)
{
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    EXPECT_EQ(Shown("I₁"), "12.400");
    EXPECT_EQ(Shown("σ₁"), Main("input_s1"));
    EXPECT_EQ(Shown("σ₂"), Main("input_s2"));
    EXPECT_EQ(Shown("σ₃"), Main("input_s3"));
    EXPECT_EQ(Shown("azimuth of σ₁"), Main("input_s1_beta") + "°");
    EXPECT_EQ(Shown("σₙ"), Main("input_sigma"));
    EXPECT_EQ(Shown("τ"), Main("input_tau"));
    EXPECT_EQ(Shown("SF"), Main("input_SF"));
    EXPECT_EQ(Shown("Ts"), Out("edtTs").toStdString());
    EXPECT_EQ(Shown("Td"), Out("edtTd").toStdString());
    EXPECT_EQ(Shown("Δp crit"), Out("edtDpCrit").toStdString());
}

TEST_F(Working, IsRewrittenOnEveryCycle)
{
    Type("input_sz", "12");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    EXPECT_EQ(Shown("I₁"), "16.400");
    EXPECT_EQ(Shown("σ₁"), Main("input_s1"));
    EXPECT_EQ(Shown("σₙ"), Main("input_sigma"));
    EXPECT_NE(Shown("σₙ"), "5.760");
}

TEST_F(Working, FollowsThePorePressure)
{
    EnterPorePressure("2");
    EXPECT_EQ(Shown("p"), "2.000");
    EXPECT_EQ(Shown("σₙ'"), Out("edtSigmaEff").toStdString());
    EXPECT_EQ(Shown("SF(p)"), Out("edtSFp").toStdString());
    EXPECT_EQ(Shown("Ts(p)"), Out("edtTs").toStdString());
    EXPECT_EQ(Shown("Δp crit(p)"), Out("edtDpCrit").toStdString());
    EnterPorePressure("0");
    EXPECT_EQ(Shown("SF(p)"), "");
}

TEST_F(Working, KeepsTheReadersPlaceWhenRewritten)
{
    explorer->resize(900, 500);
    QApplication::processEvents();
    QScrollBar* bar = working->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 20) << "the text is longer than its pane";
    bar->setValue(20);
    EnterPorePressure("1");
    EXPECT_EQ(bar->value(), 20);
    EXPECT_EQ(Shown("p"), "1.000");
}

// Rewriting only the lines that changed: the text is the new one whatever
// changed, the reader's selection on an unchanged line stays, and nothing
// piles up as undo steps.
TEST(WorkingViewText, RewritesTheLinesThatChangedAndKeepsTheSelection)
{
    WorkingView view;
    view.SetText("σ₁ = 8.000\nσ₂ = 3.000\nσ₃ = 1.400\nSF = 1.20");
    QTextCursor cursor(view.document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);

    const QString changed = "σ₁ = 8.000\nσ₂ = 3.000\nσ₃ = 0.400\nSF = 0.95, it slips";
    view.SetText(changed);
    EXPECT_EQ(view.Text(), changed);
    EXPECT_EQ(view.textCursor().selectedText(), "σ₂ = 3.000");
    EXPECT_FALSE(view.document()->isUndoAvailable());

    for (const QString& text : {QString("one line"), QString("a\n\nb\n"), QString(), changed}) {
        view.SetText(text);
        EXPECT_EQ(view.Text(), text);
    }
    for (int k = 0; k < 50; ++k) view.SetText(QString("σ₁ = %1\nσ₂ = 3.000").arg(k));
    EXPECT_FALSE(view.document()->isUndoAvailable());
}

TEST_F(Working, CtrlCCopiesTheSelectedLineAsText)
{
    const QTextBlock line = working->document()->findBlock(working->toPlainText().indexOf("I₁ ="));
    QTextCursor cursor(line);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    working->setTextCursor(cursor);
    working->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(working, Qt::Key_C, Qt::ControlModifier);
    // Subscripts on screen, plain characters in what is copied.
    EXPECT_EQ(QApplication::clipboard()->text(), "I1 = sx + sy + sz = 12.400");
    QTest::keyClick(working, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(working, Qt::Key_C, Qt::ControlModifier);
    const QString all = QApplication::clipboard()->text();
    EXPECT_EQ(all, WorkingView::PlainReading(explorer->WorkingText()));
    EXPECT_FALSE(all.contains(QString::fromUtf8("₁")));
}

TEST_F(Working, TheMenusKeepTheirCommandsAndGainTheWorking)
{
    QStringList titles;
    for (QAction* menu : explorer->menuBar()->actions()) titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&Net", "&Mohr diagram", "&Working", "&View"}));
    for (const char* name :
         {"mnuNetSaveAs", "mnuNetCopy", "mnuMohrSaveAs", "mnuMohrCopy", "mnuLargerText", "mnuSmallerText"})
        EXPECT_NE(explorer->findChild<QAction*>(name), nullptr) << name;
    auto* print = explorer->findChild<QAction*>("mnuPrintWorking");
    auto* pdf = explorer->findChild<QAction*>("mnuSaveWorkingPdf");
    ASSERT_TRUE(print && pdf);
    EXPECT_EQ(print->text().remove('&'), "Print working...");
    EXPECT_EQ(pdf->text().remove('&'), "Save working as PDF...");
}

TEST_F(Working, LargerTextGrowsTheWorkingToo)
{
    const int before = QFontInfo(working->font()).pixelSize();
    explorer->findChild<QAction*>("mnuLargerText")->trigger();
    EXPECT_GT(QFontInfo(working->font()).pixelSize(), before);
    EXPECT_TRUE(QFontInfo(working->font()).fixedPitch());
}

TEST_F(Working, PrintOpensAPreviewOfA4Pages)
{
    QString name;
    QPageSize::PageSizeId size = QPageSize::Custom;
    int pages = 0;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview) return;
        name = preview->objectName();
        size = preview->printer()->pageLayout().pageSize().id();
        if (auto* pagesWidget = preview->findChild<QPrintPreviewWidget*>()) {
            pagesWidget->updatePreview();
            pages = pagesWidget->pageCount();
        }
        preview->reject();
    });
    explorer->findChild<QAction*>("mnuPrintWorking")->trigger();
    EXPECT_EQ(name, "WorkingPrintPreview");
    EXPECT_EQ(size, QPageSize::A4);
    EXPECT_GE(pages, 2) << "the working runs over its own pages";
}

TEST_F(Working, SavedAsPdfReadsBackOnA4)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("working.pdf");
    QString error;
    ASSERT_TRUE(explorer->SaveWorking(path, &error)) << error.toStdString();
    const PdfPages pdf = ReadPdf(path);
    ASSERT_GE(pdf.count, 1) << "pdftotext read no page";
    EXPECT_NEAR(pdf.pageSizeMm.width(), 210, 0.5);
    EXPECT_NEAR(pdf.pageSizeMm.height(), 297, 0.5);
    auto line = [&](const char* first) { return pdf.LineStartingWith(first).toStdString(); };
    EXPECT_EQ(line("Tensorium"), "Tensorium - worked solution");
    EXPECT_EQ(line("I₁"), "I₁ = sx + sy + sz = 12.400");
    EXPECT_EQ(line("J₂"), "J₂ = ½ tr(S²) = 18.653");
    EXPECT_EQ(line("(L₁,"), "(L₁, M₁, N₁) = (0.333929, -0.077687, 0.939391)");
    // Inside the 2 cm margins, and no line runs past the right one.
    const PdfWord* title = pdf.Word("Tensorium");
    ASSERT_NE(title, nullptr);
    EXPECT_GE(title->boxMm.left(), 20);
    EXPECT_LT(title->boxMm.left(), 25);
    EXPECT_GE(title->boxMm.top(), 20);
    for (const PdfWord& word : pdf.words) EXPECT_LE(word.boxMm.right(), 190) << word.text.toStdString();

    EXPECT_FALSE(explorer->SaveWorking(dir.filePath("missing/working.pdf"), &error));
    EXPECT_TRUE(
        error.startsWith("The worked solution cannot be saved as \"" + dir.filePath("missing/working.pdf")))
        << error.toStdString();
}

}  // namespace
}  // namespace tensorium::testing_support
