// The explorer's controls as a teacher uses them: a pore pressure that does
// not read, the pressure slider, the colour of SF(p), the text size steps
// and the save slots.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <cmath>

#include "app/session/analysis_session.h"
#include "app/widgets/tedit.h"
#include "core/number_parse.h"
#include "diagrams/palette.h"
#include "tests/app/explorer_fixture.h"

namespace tensorium::testing_support {
namespace {

class ExplorerControls : public ExplorerTest {
protected:
    void SetUp() override
    {
        ExplorerTest::SetUp();
        window->Session().SetReporter([this](QWidget* over, const QString& message) {
            failures << message;
            reportedOver << over;
        });
    }
    TEdit* Pressure() const { return explorer->findChild<TEdit*>("edtPorePressure"); }
    QSlider* Slider() const { return explorer->findChild<QSlider*>("sldPorePressure"); }
    const AnalysisState& State() const { return window->Session().State(); }
    QColor SFColour() const
    {
        return explorer->findChild<QLineEdit*>("edtSFp")->palette().color(QPalette::Text);
    }
    static QColor Colour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

    QList<QWidget*> reportedOver;
};

TEST_F(ExplorerControls, APressureThatIsNotANumberIsReportedOverTheExplorerAndChangesNothing)
{
    EnterPorePressure("2");
    const QString sigmaEff = Out("edtSigmaEff"), sf = Out("edtSFp");
    Pressure()->setFocus();
    EnterPorePressure("5 MPa");
    EXPECT_EQ(failures, QStringList{"'5 MPa' is not a valid floating point value"});
    EXPECT_EQ(reportedOver, QList<QWidget*>{explorer}) << "the box stands over the explorer";
    EXPECT_EQ(State().porePressure, 2.0);
    EXPECT_EQ(Out("edtSigmaEff"), sigmaEff);
    EXPECT_EQ(Out("edtSFp"), sf);
    EXPECT_TRUE(Pressure()->isMarkedFailed());
    EXPECT_EQ(explorer->focusWidget(), Pressure()) << "the field keeps the focus";
    EXPECT_EQ(Pressure()->selectedText(), "5 MPa");

    // A cycle that reads it clears the frame.
    EnterPorePressure("3");
    EXPECT_FALSE(Pressure()->isMarkedFailed());
    EXPECT_EQ(State().porePressure, 3.0);
    EXPECT_EQ(failures.size(), 1);
}

TEST_F(ExplorerControls, TheSliderSweepsThePressureFromZeroToS1AndFollowsTheField)
{
    const double s1 = State().principal.s1;
    ASSERT_GT(s1, 0);
    ASSERT_TRUE(Slider()->isEnabled());
    EXPECT_EQ(Slider()->minimum(), 0);
    for (int step : {Slider()->maximum() / 4, Slider()->maximum() / 2, Slider()->maximum()}) {
        Slider()->setValue(step);
        // The field shows the pressure the analysis uses, typed as a user would.
        EXPECT_EQ(State().porePressure, ParseNumber(Pressure()->text().toStdString(), "."));
        const double wanted = s1 * step / Slider()->maximum();
        EXPECT_NEAR(State().porePressure, wanted, 0.5e-3 * s1) << "rounded to the field's decimals";
        EXPECT_EQ(Out("edtSigmaEff"),
                  window->Session().Format(State().jointResult.sigma - State().porePressure, 3));
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    EXPECT_LE(*State().jointStability.safetyFactor, 0) << "at p = s1 every plane is opened";

    // A typed pressure moves the slider to its share of s1.
    EnterPorePressure(window->Session().FormatTyped(s1 * 0.3, 6));
    EXPECT_EQ(Slider()->value(), static_cast<int>(std::lround(0.3 * Slider()->maximum())));

    // Without a compression there is no range to sweep.
    SetGlobal({"-10", "-20", "-30", "0", "0", "0"});
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_FALSE(Slider()->isEnabled());
}

TEST_F(ExplorerControls, SafetyFactorIsRedAtOrBelowOneAndGreenAbove)
{
    ASSERT_LE(*State().jointStability.safetyFactor, 1);
    EXPECT_EQ(SFColour(), Colour(palette::kUnsafe));
    Type("input_joint_c", "20");
    Find<QPushButton>("btnCalculateJoint")->click();
    ASSERT_GT(*State().jointStability.safetyFactor, 1);
    EXPECT_EQ(SFColour(), Colour(palette::kSafe));
    // Raising the pressure brings the joint to the envelope.
    EnterPorePressure(
        window->Session().FormatTyped(State().jointStability.criticalPressureRise.value() + 0.01, 3));
    EXPECT_LE(*State().jointStability.safetyFactor, 1);
    EXPECT_EQ(SFColour(), Colour(palette::kUnsafe));
}

TEST_F(ExplorerControls, OnAScreenWithoutRoomBesideItFitsTheScreen)
{
    const QRect room = explorer->screen()->availableGeometry();
    ASSERT_LT(room.width(), 1100) << "the offscreen screen is smaller than the explorer's first size";
    EXPECT_TRUE(room.contains(explorer->frameGeometry()));
}

TEST_F(ExplorerControls, TextStepsScaleTheControlsAndKeepTheWindowSize)
{
    explorer->resize(1100, 640);
    QApplication::processEvents();
    const QSize size = explorer->size();
    auto* field = explorer->findChild<QComboBox*>("cmbField");
    const int before = field->font().pixelSize();
    const int menuBefore = QFontInfo(explorer->menuBar()->font()).pixelSize();
    for (int i = 0; i < 3; ++i) explorer->findChild<QAction*>("mnuLargerText")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(explorer->size(), size);
    EXPECT_GT(field->font().pixelSize(), before * 1.9);
    // The menu bar and its menus grow with them.
    EXPECT_GT(QFontInfo(explorer->menuBar()->font()).pixelSize(), menuBefore * 1.9);
    for (const QMenu* menu : explorer->menuBar()->findChildren<QMenu*>())
        EXPECT_EQ(menu->font().pixelSize(), field->font().pixelSize()) << menu->title().toStdString();
    // Every control shows whole inside the window: rows wrap instead of
    // widening it.
    const QRect inside = explorer->centralWidget()->rect();
    for (QWidget* control :
         QList<QWidget*>{field, Slider(), Pressure(), explorer->findChild<QCheckBox*>("chkExplorerJoint"),
                         explorer->findChild<QLineEdit*>("edtDpCrit")}) {
        const QRect at(control->mapTo(explorer->centralWidget(), QPoint()), control->size());
        EXPECT_TRUE(inside.contains(at)) << control->objectName().toStdString();
        EXPECT_GE(control->width(), control->minimumSizeHint().width())
            << control->objectName().toStdString();
    }
    explorer->findChild<QAction*>("mnuNormalText")->trigger();
    EXPECT_EQ(field->font().pixelSize(), before);
}

TEST_F(ExplorerControls, SaveSlotsWriteTheFormatOfTheExtensionAndReportFailuresOverTheExplorer)
{
    QTemporaryDir dir;
    const QByteArray magic[] = {"<?xml", "%PDF", "\x89PNG"};
    const char* names[] = {"a.svg", "a.pdf", "a.PNG"};
    for (int i = 0; i < 3; ++i) {
        for (bool net : {true, false}) {
            const QString path = dir.filePath(QString(net ? "net-" : "mohr-") + names[i]);
            EXPECT_TRUE(net ? explorer->SaveNet(path) : explorer->SaveMohr(path)) << path.toStdString();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.read(8).startsWith(magic[i])) << path.toStdString();
        }
    }
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_FALSE(explorer->SaveMohr(dir.filePath("missing/mohr.svg")));
    EXPECT_FALSE(explorer->SaveNet(dir.filePath("net.gif")));
    EXPECT_EQ(failures.size(), 2);
    EXPECT_EQ(reportedOver, (QList<QWidget*>{explorer, explorer}));
    EXPECT_FALSE(QFile::exists(dir.filePath("net.gif")));
}

}  // namespace
}  // namespace tensorium::testing_support
