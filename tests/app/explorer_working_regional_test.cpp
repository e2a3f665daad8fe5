// The worked solution under real regional settings: each run has LC_ALL set
// to a compiled locale, so the toolkit and the C library both use it, and
// every number of the working has the region's separators.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include <regex>

#include "app/explorer/frm_explorer.h"
#include "tests/app/test_regions.h"
#include "tests/app/window_fixture.h"
#include "tests/core/working_lines.h"

namespace tensorium::testing_support {
namespace {

const Region* ThisRegion() { return RegionOfThisRun(); }

class RegionalWorking : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        region = ThisRegion();
        ASSERT_NE(region, nullptr) << "run under one of the tested regions";
        Action("mnuStressExplorer")->trigger();
        explorer = window->findChild<FrmExplorer*>("FrmExplorer");
        ASSERT_NE(explorer, nullptr);
        working = explorer->findChild<QPlainTextEdit*>("txtWorking");
        ASSERT_NE(working, nullptr);
    }
    std::string Shown() const { return explorer->WorkingText().toStdString(); }
    // `pointText` with the region's separators put in for '.' and ','.
    std::string L(const std::string& pointText) const
    {
        std::string out;
        for (char c : pointText)
            out += c == '.' ? region->decimal : c == ',' ? region->thousands : std::string(1, c);
        return out;
    }

    const Region* region = nullptr;
    FrmExplorer* explorer = nullptr;
    QPlainTextEdit* working = nullptr;
};

TEST_F(RegionalWorking, EveryNumberHasTheRegionsSeparators)
{
    ASSERT_EQ(window->separators().decimal, region->decimal);
    const std::string text = Shown();
    EXPECT_EQ(Value(text, "I₁"), L("12.400"));
    EXPECT_EQ(Value(text, "σₙ"), Text("input_sigma").toStdString());
    EXPECT_EQ(Value(text, "ν"), L("-0.279"));
    const std::string gap = std::string(region->decimal) == "," ? "; " : ", ";
    EXPECT_EQ(Value(text, "n"), "(" + L("0.150123") + gap + L("0.523541") + gap + L("0.838671") + ")");
    if (std::string(region->decimal) == ",") {
        EXPECT_FALSE(std::regex_search(text, std::regex("[0-9]\\.[0-9]{3}"))) << "a number with a point";
    }
}

TEST_F(RegionalWorking, LargeNumbersAreGroupedInThousands)
{
    Type("input_sz", QString::fromStdString(L("12345")));
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    EXPECT_EQ(Value(Shown(), "I₁"), L("12,349.400"));
    EXPECT_EQ(Value(Shown(), "σ₁"), Text("input_s1").toStdString());

    // A copied line keeps the region's grouping character, a no-break space included.
    QTextCursor cursor(working->document()->findBlock(working->toPlainText().indexOf("I₁ =")));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    working->setTextCursor(cursor);
    working->copy();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "I1 = sx + sy + sz = " + L("12,349.400"));
}

}  // namespace
}  // namespace tensorium::testing_support
