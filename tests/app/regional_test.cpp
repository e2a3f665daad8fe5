// The window, the report and the round trip between the pages under real
// regional settings: each run has LC_ALL set to a compiled locale, so the
// toolkit and the C library both use it.
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <clocale>
#include <cstring>

#include "core/number_format.h"
#include "core/number_parse.h"
#include "report/report_engine.h"
#include "tests/app/test_regions.h"
#include "tests/app/window_fixture.h"
#include "tests/report/pdf_words.h"

namespace tensorium::testing_support {
namespace {

const Region& ThisRegion()
{
    static const Region unknown{"", "?", "?"};
    const Region* region = RegionOfThisRun();
    return region ? *region : unknown;
}

class Regional : public WindowTest {
protected:
    // `pointText` with the region's separators put in for '.' and ','.
    static QString L(const char* pointText)
    {
        QString out;
        for (const QChar c : QString::fromUtf8(pointText))
            out += c == '.'   ? QString::fromUtf8(ThisRegion().decimal)
                   : c == ',' ? QString::fromUtf8(ThisRegion().thousands)
                              : QString(c);
        return out;
    }
    void Calculate() { Find<QPushButton>("btnCalculate")->click(); }
};

TEST(RegionalCore, NumbersIgnoreTheCLibraryLocale)
{
    const Region& region = ThisRegion();
    ASSERT_STRNE(region.name, "") << "run under one of the tested regions";
    // The C library really formats with its own separator here...
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    EXPECT_EQ(std::string(printed), std::string("1") + std::localeconv()->decimal_point + "5");
    // ...and the program's conversions use only the separators passed in.
    const NumberSeparators point{".", ","};
    EXPECT_EQ(FormatNumber(8793.647, 3, point), "8,793.647");
    EXPECT_EQ(FormatNumber(-4.9011, 3, {",", "."}), "-4,901");
    EXPECT_EQ(FormatNumber(1.5e20, 3, point), "1.5E20");
    EXPECT_EQ(ParseNumber("-4.9011", "."), -4.9011);
    EXPECT_EQ(ParseNumber("-4,9011e2", ","), -490.11);
}

TEST_F(Regional, TheWindowShowsTheRegionalSeparators)
{
    ASSERT_EQ(window->separators().decimal, ThisRegion().decimal);
    ASSERT_EQ(window->separators().thousands, ThisRegion().thousands);
    EXPECT_EQ(Text("input_sx"), L("3.4"));
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    EXPECT_EQ(Text("input_s1"), L("8.794"));
    EXPECT_EQ(Text("input_s1_beta"), L("283.10"));
    EXPECT_EQ(Text("edtL1"), L("0.333929"));
    EXPECT_EQ(Text("edtsxt"), L("2.082"));
    EXPECT_EQ(Text("input_sigma"), L("5.760"));
    EXPECT_EQ(Text("input_SF"), L("0.604"));

    SetGlobal({"3400", "1000", "8000", "1000", "-1000", "2000"});
    Calculate();
    EXPECT_EQ(Text("input_s1"), L("8,793.647"));
    Type("input_sx", L("3400.5"));
    Calculate();
    EXPECT_EQ(window->stress().sx, 3400.5);
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
}

TEST_F(Regional, TheOtherSeparatorIsRejected)
{
    const bool comma = std::strcmp(ThisRegion().decimal, ",") == 0;
    Type("input_sx", comma ? "3.4" : "3,4");
    Calculate();
    EXPECT_EQ(failures, QStringList{comma ? "'3.4' is not a valid floating point value"
                                          : "'3,4' is not a valid floating point value"});
}

// The user-system boxes are read back: what the program writes there and
// into the global boxes must read again, large values included.
TEST_F(Regional, StressesRoundTripBetweenThePages)
{
    Find<QPushButton>("btnUpdateGlobal")->click();
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    Calculate();
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    EXPECT_EQ(Text("input_s1"), L("8.794"));

    SetGlobal({L("12345.678"), "1", "8", "1", "-1", "2"});
    for (const char* angle : {"edtbeta", "edtpsi", "edttheta"}) Type(angle, "0");
    Calculate();
    EXPECT_EQ(Text("edtsxt"), L("12345.678"));
    Find<QPushButton>("btnUpdateGlobal")->click();
    Calculate();
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    EXPECT_EQ(window->stress().sx, 12345.678);
}

TEST_F(Regional, TheReportPrintsTheRegionalSeparators)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ReportEngine::SetUpPrinter(printer);
    window->report().Generate(printer);
    EXPECT_NE(ReadPdf(path).Word(L("sx=3.400")), nullptr);

    SetGlobal({"3400", "1000", "8000", "1000", "-1000", "2000"});
    window->report().Generate(printer);
    const PdfPages pdf = ReadPdf(path);
    // pdftotext splits words at a no-break space, so look for the pieces.
    const QString s1 = L("s1=8,793.647");
    for (const QString& word : s1.split(QRegularExpression("[\u00a0\u202f]")))
        EXPECT_NE(pdf.Word(word), nullptr) << word.toStdString();
    EXPECT_NE(pdf.Word(L("az=283.10")), nullptr);
    EXPECT_NE(pdf.Word(L("L1=0.333929")), nullptr);
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
}

}  // namespace
}  // namespace tensorium::testing_support
