// The report of the window printed to a PDF and read back as a reader would.
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "report/report_engine.h"
#include "tests/app/window_fixture.h"
#include "tests/report/pdf_words.h"

namespace tensorium::testing_support {
namespace {

class ReportPdf : public WindowTest {
protected:
    PdfPages Generate()
    {
        const QString path = dir.filePath(QString("report%1.pdf").arg(++generations));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ReportEngine::SetUpPrinter(printer);
        window->report().Generate(printer);
        return ReadPdf(path);
    }
    QTemporaryDir dir;
    int generations = 0;
};

struct Placed {
    const char* word;  // the element's first word
    double x, y;       // designed position in the band, mm
};

// The values of the default state, each where the design puts it.
const Placed kDefaults[] = {
    {"Tensorium", 56.4, 1.4},      {"sx=3.400", 14.1, 19.8},
    {"sy=1.000", 14.1, 26.8},      {"sz=8.000", 14.1, 33.9},
    {"txy=1.000", 84.7, 19.8},     {"tyz=-1.000", 84.7, 26.8},
    {"tzx=2.000", 84.7, 33.9},     {"s1=8.794", 12.7, 63.5},
    {"s2=3.341", 84.7, 63.5},      {"s3=0.266", 160.9, 63.5},
    {"az=283.10", 12.7, 72.0},     {"az=60.78", 84.7, 72.0},
    {"az=154.32", 160.9, 72.0},    {"dip=69.95", 12.7, 80.4},
    {"dip=15.10", 84.7, 80.4},     {"dip=12.88", 160.9, 80.4},
    {"L1=0.333929", 12.7, 93.1},   {"L2=0.842622", 84.7, 93.1},
    {"L3=-0.422468", 160.9, 93.1}, {"M1=-0.077687", 12.7, 101.6},
    {"M2=0.471273", 84.7, 101.6},  {"M3=0.878560", 160.9, 101.6},
    {"N1=0.939391", 12.7, 110.1},  {"N2=-0.260557", 84.7, 110.1},
    {"N3=0.222832", 160.9, 110.1}, {"Beta=125", 14.1, 135.5},
    {"Psi=30", 84.7, 135.5},       {"Theta=15", 160.9, 135.5},
    {"sx=2.082", 14.1, 146.8},     {"sy=1.985", 84.7, 146.8},
    {"sz=8.333", 160.9, 146.8},    {"txy=-1.308", 14.1, 155.2},
    {"tyz=-1.315", 84.7, 155.2},   {"tzx=-1.407", 160.9, 155.2},
    {"az=16", -1, 180.6},          {"dip=33", -1, 180.6},
    {"phi(o)=14", -1, 189.1},      {"c=1", -1, 189.1},
    {"sigma=5.760", 16.9, 206.0},  {"tau=4.033", 84.7, 206.0},
    {"taulim=2.436", 16.9, 214.5}, {"SF=0.604", 84.7, 214.5},
    {"Comments", 12.7, 237.1},     {"Principal", 12.7, 53.6},
    {"Global", 12.7, 12.7},        {"User", 12.7, 127.0},
};

TEST_F(ReportPdf, TheDefaultReportOnOneA4Page)
{
    const PdfPages pdf = Generate();
    ASSERT_EQ(pdf.count, 1);
    EXPECT_NEAR(pdf.pageSizeMm.width(), 210, 0.5);
    EXPECT_NEAR(pdf.pageSizeMm.height(), 297, 0.5);
    for (const Placed& p : kDefaults) {
        const PdfWord* word = pdf.Word(p.word);
        ASSERT_NE(word, nullptr) << p.word;
        if (p.x >= 0) {
            EXPECT_NEAR(word->boxMm.left(), 10 + p.x, 0.5) << p.word;
        }
        EXPECT_NEAR(word->boxMm.top(), 10 + p.y, 0.5) << p.word;
    }
    EXPECT_EQ(pdf.LineStartingWith("Global"), "Global coordinate sytem (X, Y, Z)");
    EXPECT_EQ(pdf.LineStartingWith("User"), "User defined system (x', y', z')");
    EXPECT_EQ(pdf.LineStartingWith("Joint"), "Joint calculations");
    EXPECT_EQ(pdf.LineStartingWith("az=16"), "az=16 Joint dip=33");
    EXPECT_EQ(pdf.LineStartingWith("phi(o)=14"), "phi(o)=14 Joint c=1");
    // The footer keeps its right edge.
    const PdfWord* address = pdf.Word("https://rocklab.northfield-tech.example/");
    ASSERT_NE(address, nullptr);
    EXPECT_NEAR(address->boxMm.right(), 10 + 187.0, 0.5);
    EXPECT_NEAR(address->boxMm.top(), 10 + 276.6, 0.5);
}

TEST_F(ReportPdf, AnEmptySafetyFactorAndBlankComments)
{
    SetGlobal({"3.4", "1", "8", "1", "0", "0"});
    Type("input_joint_psi", "0");
    const PdfPages pdf = Generate();
    EXPECT_NE(pdf.Word("SF="), nullptr);
    for (const PdfWord& w : pdf.words) {
        const double top = w.boxMm.top() - 10;
        EXPECT_FALSE(top > 240 && top < 258) << "nothing under Comments: " << w.text.toStdString();
    }
}

TEST_F(ReportPdf, TypedValuesAndComments)
{
    Type("input_sx", " 2 ");
    Type("edtbeta", "125.0");
    Type("edtUserComment1", "Lab exercise 3");
    Type("edtUserComment2", "second line");
    const PdfPages pdf = Generate();
    EXPECT_NE(pdf.Word("sx=2.000"), nullptr);
    EXPECT_NE(pdf.Word("Beta=125.0"), nullptr) << "user angles print as typed";
    EXPECT_EQ(pdf.LineStartingWith("Lab"), "Lab exercise 3");
    ASSERT_NE(pdf.Word("second"), nullptr);
    EXPECT_NEAR(pdf.Word("second")->boxMm.top(), 10 + 254.0, 0.5);
    Type("input_sx", "1e3");
    EXPECT_NE(Generate().Word("sx=1,000.000"), nullptr) << "stresses are re-formatted numbers";
}

TEST_F(ReportPdf, TheConventionChangesOnlyTheAzimuths)
{
    auto texts = [](const PdfPages& pdf) {
        QStringList words;
        for (const PdfWord& w : pdf.words) words << w.text;
        return words;
    };
    const QStringList north = texts(Generate());
    Action("mnuAngleLeft")->trigger();
    const QStringList east = texts(Generate());
    ASSERT_EQ(north.size(), east.size());
    QStringList changed;
    for (int i = 0; i < north.size(); ++i)
        if (north[i] != east[i]) changed << east[i];
    // Apart from the date and time (words of digits, '/', ':' and AM/PM,
    // should the clock have moved on), only the three principal azimuths differ.
    const QRegularExpression clock(R"(^([\d/:.]+|AM|PM)$)");
    changed.removeIf([&](const QString& w) { return clock.match(w).hasMatch(); });
    EXPECT_EQ(changed, (QStringList{"az=166.90", "az=29.22", "az=295.68"}));
}

TEST_F(ReportPdf, TwoGenerationsGiveTheSamePageApartFromTheDate)
{
    const PdfPages first = Generate();
    const PdfPages second = Generate();
    ASSERT_EQ(first.words.size(), second.words.size());
    int differing = 0;
    for (size_t i = 0; i < first.words.size(); ++i)
        if (first.words[i].text != second.words[i].text) ++differing;
    EXPECT_LE(differing, 2) << "only the time may have moved on";
}

TEST_F(ReportPdf, ABadFieldOpensNoPreview)
{
    Type("input_sz", "8..");
    Action("Reportprintpreview1")->trigger();
    EXPECT_EQ(failures, QStringList{"'8..' is not a valid floating point value"});
}

}  // namespace
}  // namespace tensorium::testing_support

#include <QPrintPreviewDialog>
#include <QTimer>

namespace tensorium::testing_support {
namespace {

TEST_F(ReportPdf, ThePreviewIsModalTitledAndFilledFromTheWindow)
{
    QString title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview) return;
        title = preview->windowTitle();
        modal = preview->isModal();
        preview->reject();
    });
    Type("input_sx", "4");
    Action("Reportprintpreview1")->trigger();
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(title, "Print Preview");
    EXPECT_TRUE(modal);
    // The preview's generation ran the cycle and filled the report.
    EXPECT_EQ(window->report().Design().Find("QRLabel2")->text, "sx=4.000");
    EXPECT_EQ(window->report().Design().Find("QRLabel9")->text, "s1=" + Text("input_s1"));
}

}  // namespace
}  // namespace tensorium::testing_support

#include <QComboBox>
#include <QPrintDialog>

namespace tensorium::testing_support {
namespace {

// Ctrl+P prints the report through the print dialog; here the dialog's
// printer is pointed at a PDF file and confirmed.
TEST_F(ReportPdf, PrintGoesThroughThePrintDialog)
{
    const QString path = dir.filePath("printed.pdf");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        // The last entry of the printer list prints to a PDF file.
        auto* printers = dialog->findChild<QComboBox*>("printers");
        printers->setCurrentIndex(printers->count() - 1);
        dialog->findChild<QLineEdit*>("filename")->setText(path);
        dialog->accept();
    });
    EXPECT_EQ(Action("Printreport1")->shortcut(), QKeySequence("Ctrl+P"));
    Action("Printreport1")->trigger();
    const PdfPages pdf = ReadPdf(path);
    EXPECT_EQ(pdf.count, 1);
    EXPECT_NE(pdf.Word("SF=0.604"), nullptr);

    // A cancelled dialog prints nothing, although the printer still points
    // at the same file.
    ASSERT_TRUE(QFile::remove(path));
    bool cancelled = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        cancelled = true;
        dialog->reject();
    });
    Action("Printreport1")->trigger();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(failures.isEmpty());
}

}  // namespace
}  // namespace tensorium::testing_support
