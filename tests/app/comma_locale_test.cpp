// The window under regional settings whose decimal separator is the comma
// (run with LC_ALL=de_DE.UTF-8).
#include <QPushButton>

#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

using CommaLocale = WindowTest;

TEST_F(CommaLocale, DefaultsAreWrittenWithTheRegionalSeparatorAndTheFirstCycleSucceeds)
{
    ASSERT_EQ(window->separators().decimal, ",") << "run this test under a comma locale";
    EXPECT_EQ(Text("input_sx"), "3,4");
    EXPECT_EQ(Text("edtsxt"), "2,082");
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(Text("input_s1"), "8,794");
    EXPECT_EQ(Text("input_s1_beta"), "283,10");
    EXPECT_EQ(Text("edtL2"), "0,842622");
}

TEST_F(CommaLocale, ThePointIsRejectedAndThousandsUseTheRegionalSeparator)
{
    Type("input_sx", "3.4");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(failures, QStringList{"'3.4' is not a valid floating point value"});

    SetGlobal({"3400", "1000", "8000", "1000", "-1000", "2000"});
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(Text("input_s1"), "8.793,647");
    Type("input_sx", "3400,5");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(window->stress().sx, 3400.5);
}

}  // namespace
}  // namespace tensorium::testing_support

#include <QPrinter>
#include <QTemporaryDir>

#include "report/report_engine.h"
#include "tests/report/pdf_words.h"

namespace tensorium::testing_support {
namespace {

TEST_F(CommaLocale, TheReportPrintsTheRegionalSeparators)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ReportEngine::SetUpPrinter(printer);
    SetGlobal({"3400", "1000", "8000", "1000", "-1000", "2000"});
    window->report().Generate(printer);
    const PdfPages pdf = ReadPdf(path);
    for (const char* word : {"sx=3.400,000", "s1=8.793,647", "az=283,10", "L1=0,333929", "Psi=30"})
        EXPECT_NE(pdf.Word(word), nullptr) << word;
}

}  // namespace
}  // namespace tensorium::testing_support
