// The print commands through a real printing service, the tests' private
// one, whose default printer keeps the PDFs it gets; they are read back.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/app/printed_files.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

using Printing = WindowTest;

TEST_F(Printing, PrintStereographIsOneVectorPageNamedAfterTheChart)
{
    Find<QCheckBox>("chkJoint")->click();
    const QDateTime since = QDateTime::currentDateTime();
    Action("mnuPrintStereograph")->trigger();
    ASSERT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    const PrintedPdf pdf = WaitForPrintedPdf("Chart1", since);
    ASSERT_FALSE(pdf.path.isEmpty()) << "no PDF arrived from the printing service";
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.images, 0) << "drawn as vectors, not as a picture";
    EXPECT_GE(pdf.vectorPaths, 6) << "the circle, three planes, the joint and the crosses";
}

TEST_F(Printing, PrintMohrCirclesIsOneVectorPage)
{
    const QDateTime since = QDateTime::currentDateTime();
    Action("mnuPrintMohrCircles")->trigger();
    const PrintedPdf pdf = WaitForPrintedPdf("Chart2", since);
    ASSERT_FALSE(pdf.path.isEmpty());
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.images, 0);
    EXPECT_GE(pdf.vectorPaths, 3);
}

TEST_F(Printing, PrintFormIsThePictureOfTheClientArea)
{
    const QDateTime since = QDateTime::currentDateTime();
    Action("mnuPrintForm")->trigger();
    const PrintedPdf pdf = WaitForPrintedPdf("Tensorium (version 2.0)", since);
    ASSERT_FALSE(pdf.path.isEmpty());
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.images, 1);
}

// Picks the "print to file" entry of the print dialog with `path`, or cancels.
void AnswerPrinterSetup(const QString& path)
{
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (path.isEmpty()) return dialog->reject();
        auto* printers = dialog->findChild<QComboBox*>("printers");
        printers->setCurrentIndex(printers->count() - 1);
        dialog->findChild<QLineEdit*>("filename")->setText(path);
        dialog->accept();
    });
}

TEST_F(Printing, PrinterSetupChoosesThePrinterForTheRestOfTheRun)
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath("chosen.pdf");
    AnswerPrinterSetup(chosen);
    Action("mnuPrinterSetup")->trigger();
    Action("mnuPrintMohrCircles")->trigger();
    PrintedPdf pdf = ReadPrintedPdf(chosen);
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.title, "Chart2");

    // Cancelling the setup keeps that choice.
    QFile::remove(chosen);
    AnswerPrinterSetup({});
    Action("mnuPrinterSetup")->trigger();
    Action("mnuPrintStereograph")->trigger();
    pdf = ReadPrintedPdf(chosen);
    EXPECT_EQ(pdf.title, "Chart1");
    EXPECT_TRUE(failures.isEmpty());
}

}  // namespace
}  // namespace tensorium::testing_support
