// Computed texts show whole: the font of an output shrinks until the text
// fits its box, and the tool tip holds the text.
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "app/widgets/fitting_font.h"
#include "app/widgets/tedit.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

// Room for text in a line edit: the style's contents rect less the two
// pixels QLineEdit keeps on either side.
int TextRoom(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 4;
}

QImage Shot(QLineEdit* edit)
{
    QImage image(edit->size(), QImage::Format_RGB32);
    edit->render(&image);
    return image;
}

const char* const kOutputs[] = {
    "input_s1",     "input_s2",      "input_s3",     "input_s1_beta", "input_s1_psi", "input_s2_beta",
    "input_s2_psi", "input_s3_beta", "input_s3_psi", "edtL1",         "edtM1",        "edtN1",
    "edtL2",        "edtM2",         "edtN2",        "edtL3",         "edtM3",        "edtN3",
    "edtsxt",       "edtsyt",        "edtszt",       "edttxyt",       "edttyzt",      "edttzxt",
    "input_sigma",  "input_tau",     "input_taulim", "input_SF"};

class OutputFit : public WindowTest {
protected:
    void Calculate() { Find<QPushButton>("btnCalculate")->click(); }

    // Every output shows its whole text: it is no wider than the room, and
    // its last character is drawn (taking it away changes the picture).
    void ExpectEveryOutputWhole()
    {
        for (const char* name : kOutputs) {
            SCOPED_TRACE(name);
            QLineEdit* edit = Find(name);
            const QString text = edit->text();
            EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(text), TextRoom(edit))
                << text.toStdString();
            EXPECT_EQ(edit->toolTip(), text);
            EXPECT_GE(QFontInfo(edit->font()).pixelSize(), kMinimumFittingPixelSize);
            if (text.isEmpty()) continue;
            const QImage whole = Shot(edit);
            edit->setText(text.chopped(1));
            edit->setCursorPosition(0);
            EXPECT_NE(Shot(edit), whole) << "the last character of " << text.toStdString() << " is not shown";
            edit->setText(text);
            edit->setCursorPosition(0);
        }
    }
    int WindowPixelSize() const { return QFontInfo(window->font()).pixelSize(); }
};

TEST_F(OutputFit, TheLimitingShearOfAVerticalFrictionAngleShowsWhole)
{
    Type("input_joint_phi", "90");
    Calculate();
    ASSERT_TRUE(failures.isEmpty());
    const QLineEdit* tlim = Find("input_taulim");
    ASSERT_GT(QFontMetrics(window->font()).horizontalAdvance(tlim->text()), TextRoom(tlim))
        << tlim->text().toStdString() << " is long enough to need a smaller font";
    EXPECT_LT(QFontInfo(tlim->font()).pixelSize(), WindowPixelSize());
    ExpectEveryOutputWhole();
}

TEST_F(OutputFit, UserStressesNearTheTopOfTheRangeShowWhole)
{
    SetGlobal({"1.5e299", "-1e299", "2e299", "1e299", "-1e299", "2.3e299"});
    Calculate();
    ASSERT_TRUE(failures.isEmpty());
    const QLineEdit* sx = Find("edtsxt");
    ASSERT_GT(QFontMetrics(window->font()).horizontalAdvance(sx->text()), TextRoom(sx))
        << sx->text().toStdString();
    ExpectEveryOutputWhole();

    // Short texts come back in the window's font.
    SetGlobal({"3.4", "1", "8", "1", "-1", "2"});
    Calculate();
    for (const char* name : kOutputs)
        EXPECT_EQ(QFontInfo(Find(name)->font()).pixelSize(), WindowPixelSize()) << name;
}

TEST_F(OutputFit, WhatTheUserTypesKeepsTheWindowsFont)
{
    SetGlobal({"1.5e299", "-1e299", "2e299", "1e299", "-1e299", "2.3e299"});
    Calculate();
    QLineEdit* sx = Find("edtsxt");
    ASSERT_LT(QFontInfo(sx->font()).pixelSize(), WindowPixelSize());
    sx->setFocus(Qt::TabFocusReason);
    sx->selectAll();
    QTest::keyClicks(sx, "12");
    EXPECT_EQ(QFontInfo(sx->font()).pixelSize(), WindowPixelSize());
    EXPECT_TRUE(sx->toolTip().isEmpty());
    for (const char* name : {"input_sx", "edtbeta", "input_joint_c"})
        EXPECT_EQ(QFontInfo(Find(name)->font()).pixelSize(), WindowPixelSize()) << "inputs keep their font";
}

TEST(FittingFont, TheLargestSizeThatFitsThenCondensedLetters)
{
    QFont design("Liberation Sans");
    design.setPixelSize(10);
    const QString text = "-123,456,789,012,345.000";
    for (int width = 120; width >= 20; width -= 5) {
        SCOPED_TRACE(width);
        const QFont fitted = FontFittingWidth(design, text, width);
        EXPECT_LE(NeededTextWidth(fitted, text), width);
        const int size = QFontInfo(fitted).pixelSize();
        const bool condensed =
            fitted.stretch() != QFont::AnyStretch && fitted.stretch() != QFont::Unstretched;
        EXPECT_GE(size, kMinimumFittingPixelSize);
        if (!condensed && size < 10) {
            QFont larger = fitted;
            larger.setPixelSize(size + 1);
            EXPECT_GT(NeededTextWidth(larger, text), width) << "a larger size fitted too";
        }
        EXPECT_TRUE(!condensed || size == kMinimumFittingPixelSize) << "condensed only at the minimum";
    }
    EXPECT_EQ(FontFittingWidth(design, "8.794", 57), design);
}

}  // namespace
}  // namespace tensorium::testing_support
