// One analysis for every window: views listen while they are shown, a window
// that is not the main one changes inputs only through the session, and
// failures are reported over the window in which the user acted.
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/explorer/explorer_net.h"
#include "app/explorer/frm_explorer.h"
#include "chart/chart_series.h"
#include "diagrams/palette.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class Session : public WindowTest {
protected:
    FrmExplorer* OpenExplorer()
    {
        Action("mnuStressExplorer")->trigger();
        auto* explorer = window->findChild<FrmExplorer*>("FrmExplorer");
        EXPECT_NE(explorer, nullptr);
        return explorer;
    }
    int Listeners() { return window->Session().Model().ListenerCount(); }
};

TEST_F(Session, AClosedExplorerStopsListeningAndCatchesUpWhenShownAgain)
{
    // The plane set follows every cycle whether a window shows it or not.
    EXPECT_EQ(Listeners(), 1);
    FrmExplorer* explorer = OpenExplorer();
    EXPECT_EQ(Listeners(), 2);
    explorer->close();
    EXPECT_EQ(Listeners(), 1) << "a closed view is not told of cycles";
    Type("input_sz", "12");
    Find<QPushButton>("btnCalculate")->click();
    OpenExplorer();
    EXPECT_EQ(Listeners(), 2);
    EXPECT_EQ(explorer->findChild<QLineEdit*>("edtSigmaEff")->text(), Text("input_sigma"));
}

// A view that the main window knows nothing of: it listens to the model and
// moves the joint through the session, as a new window would.
TEST_F(Session, AnotherWindowPlugsInWithoutTheMainWindow)
{
    AnalysisSession& session = window->Session();
    QStringList seen;
    {
        ModelSubscription view = session.Model().Subscribe(
            [&](const AnalysisState& state) { seen << session.Format(state.jointResult.sigma, 3); });
        session.EditInputs({{TypedInput::JointDipDirection, "90"}, {TypedInput::JointDip, "0"}});
        EXPECT_EQ(Text("input_joint_beta"), "90");
        EXPECT_EQ(Text("input_joint_psi"), "0");
        EXPECT_EQ(seen, QStringList{"8.000"}) << "a horizontal joint carries sz";
        EXPECT_EQ(Text("input_sigma"), "8.000");
    }
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(seen.size(), 1) << "a destroyed view hears no more";
}

TEST_F(Session, FailuresAreReportedOverTheWindowInWhichTheUserActed)
{
    QList<QWidget*> over;
    window->Session().SetReporter([&](QWidget* w, const QString& message) {
        over << w;
        failures << message;
    });
    FrmExplorer* explorer = OpenExplorer();
    auto* pressure = explorer->findChild<QLineEdit*>("edtPorePressure");
    pressure->setText("5 MPa");
    emit pressure->returnPressed();
    Type("input_sx", "x");
    Find<QPushButton>("btnCalculate")->click();
    ASSERT_EQ(over.size(), 2) << failures.join("; ").toStdString();
    EXPECT_EQ(over[0], explorer);
    EXPECT_EQ(over[1], window.get());
    EXPECT_EQ(failures[0], "'5 MPa' is not a valid floating point value");
}

// The same object has the same colour in both windows and every export.
TEST_F(Session, BothNetsDrawThePrincipalPlanesInOnePalette)
{
    FrmExplorer* explorer = OpenExplorer();
    explorer->resize(1600, 900);
    QApplication::processEvents();
    const QString svg = QString::fromUtf8(explorer->Net().ToSvg());
    for (int k = 0; k < 3; ++k) {
        const Rgb c = palette::kSigma[k];
        const QString hex = QColor(c.red, c.green, c.blue).name();
        EXPECT_TRUE(svg.contains("stroke=\"" + hex + "\"")) << hex.toStdString();
        const char* series[] = {"Series4", "Series5", "Series6"};
        const auto* plane = window->findChild<TChartSeries*>(series[k]);
        ASSERT_NE(plane, nullptr);
        ASSERT_FALSE(plane->Points().empty());
        EXPECT_EQ(plane->PointColour(0).name(), hex) << series[k];
    }
    // Every line drawn at least 2 px wide at 1600 x 900, as a projector needs:
    // each group of the SVG that strokes a path, polyline or line.
    const QRegularExpression group("<g ([^>]*)>(.*?)</g>", QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression width("stroke-width=\"([0-9.]+)\"");
    int lines = 0;
    for (auto it = group.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch g = it.next();
        const QRegularExpressionMatch w = width.match(g.captured(1));
        const QString body = g.captured(2);
        if (!w.hasMatch() || g.captured(1).contains("stroke=\"none\"")) continue;
        if (!body.contains("<path") && !body.contains("<polyline") && !body.contains("<line")) continue;
        EXPECT_GE(w.captured(1).toDouble(), 2.0) << g.captured(0).left(300).toStdString();
        ++lines;
    }
    EXPECT_GT(lines, 5);
}

// A plane without shear: the explorer's SF(p) is empty and says why; with
// all three stresses equal so is Td.
TEST_F(Session, EmptyStabilityValuesSayWhy)
{
    FrmExplorer* explorer = OpenExplorer();
    SetGlobal({"5", "5", "5", "0", "0", "0"});
    Find<QPushButton>("btnCalculate")->click();
    auto* sf = explorer->findChild<QLineEdit*>("edtSFp");
    auto* td = explorer->findChild<QLineEdit*>("edtTd");
    EXPECT_EQ(Text("input_tau"), "0.000");
    EXPECT_EQ(Text("input_SF"), "");
    EXPECT_EQ(sf->text(), "");
    EXPECT_EQ(sf->toolTip(), "No shear on the plane: the safety factor has no value.");
    EXPECT_EQ(explorer->findChild<QLineEdit*>("edtTs")->text(), "0.000");
    EXPECT_EQ(td->text(), "");
    EXPECT_TRUE(td->toolTip().startsWith(QString::fromUtf8("σ1 = σ3")));
    SetGlobal({"3.4", "1", "8", "1", "-1", "2"});
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(sf->text(), "0.604");
    EXPECT_EQ(sf->toolTip(), "0.604");
}

}  // namespace
}  // namespace tensorium::testing_support
