// The stress explorer in-process beside the real main window: it opens from
// the View menu, follows every cycle, moves the joint of the main window by
// drag and by keys, and shows the joint's stability with pore pressure.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "app/explorer/explorer_mohr.h"
#include "app/explorer/explorer_net.h"
#include "app/explorer/frm_explorer.h"
#include "core/angles.h"
#include "tests/app/explorer_fixture.h"

namespace tensorium::testing_support {
namespace {

class Explorer : public ExplorerTest {
protected:
    void SetUp() override
    {
        ExplorerTest::SetUp();
        explorer->resize(1200, 600);
    }
    QImage NetImage() const { return explorer->Net().ToImage(1.0); }
};

TEST_F(Explorer, OpensOnceFromTheViewMenuAsAResizableWindow)
{
    EXPECT_EQ(Action("mnuStressExplorer")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(explorer->windowTitle(), "Tensorium - Stress explorer");
    EXPECT_FALSE(explorer->isModal());
    EXPECT_TRUE(explorer->isVisible());
    EXPECT_NE(explorer->minimumSize(), explorer->maximumSize()) << "resizable";
    window->activateWindow();
    Action("mnuStressExplorer")->trigger();
    EXPECT_EQ(window->findChildren<FrmExplorer*>().size(), 1) << "a second click shows the same window";
    EXPECT_TRUE(explorer->isVisible());
}

TEST_F(Explorer, FollowsEveryCycleOfTheMainWindow)
{
    EXPECT_EQ(Out("edtSigmaEff"), "5.760");
    EXPECT_EQ(Out("edtSFp"), "0.604");
    Type("input_sz", "12");
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(Out("edtSigmaEff"), Text("input_sigma"));
    EXPECT_NE(Out("edtSigmaEff"), "5.760");
}

TEST_F(Explorer, PorePressureShiftsTheNormalStress)
{
    EnterPorePressure("2");
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
    EXPECT_EQ(Out("edtSigmaEff"), "3.760");
    EXPECT_EQ(Out("edtSFp"), "0.480");
    EXPECT_EQ(Out("edtTs"), "1.073");
    EXPECT_EQ(Out("edtTd"), "0.356");
    EXPECT_EQ(Out("edtDpCrit"), "-8.405");
    EXPECT_EQ(Text("input_SF"), "0.604") << "the joint page keeps its own results";

    EnterPorePressure("2x");
    EXPECT_EQ(failures, QStringList{"'2x' is not a valid floating point value"});
    EXPECT_EQ(Out("edtSigmaEff"), "3.760") << "a bad pressure changes nothing";
}

TEST_F(Explorer, DraggingThePoleMovesTheJointOfTheMainWindow)
{
    ExplorerNet& net = explorer->Net();
    const QRectF target(net.rect());
    const QPointF pole = net.JointPoleAt(target);
    // Drag the pole to the point of the net 0.5 East, 0.2 South of the centre.
    const NetPoint goal{0.5, -0.2};
    const QPointF to = ExplorerNet::ToTarget(target, goal);
    QTest::mousePress(&net, Qt::LeftButton, {}, pole.toPoint());
    QTest::mouseMove(&net, ((pole + to) / 2).toPoint());
    QTest::mouseMove(&net, to.toPoint());
    QTest::mouseRelease(&net, Qt::LeftButton, {}, to.toPoint());
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();

    const PlaneAttitude plane = PlaneOfPole(DownwardAt(ExplorerNet::FromTarget(target, to.toPoint())), 0);
    auto oneDecimal = [](double radians) {
        return QString::number(std::round(RadToDeg(radians) * 10) / 10, 'f', 1);
    };
    EXPECT_EQ(Text("input_joint_beta"), oneDecimal(plane.dipDirection));
    EXPECT_EQ(Text("input_joint_psi"), oneDecimal(plane.dip));
    // The main window ran its cycle, and the pole now sits where it was dropped.
    EXPECT_EQ(Out("edtSigmaEff"), Text("input_sigma"));
    const QPointF now = net.JointPoleAt(target);
    EXPECT_LT(std::hypot(now.x() - to.x(), now.y() - to.y()), 3.0) << "within the one-decimal rounding";

    // A press away from the pole moves nothing.
    const QString before = Text("input_joint_beta");
    QTest::mousePress(&net, Qt::LeftButton, {}, ExplorerNet::ToTarget(target, {-0.7, 0.5}).toPoint());
    QTest::mouseMove(&net, ExplorerNet::ToTarget(target, {-0.6, 0.4}).toPoint());
    QTest::mouseRelease(&net, Qt::LeftButton);
    EXPECT_EQ(Text("input_joint_beta"), before);
}

TEST_F(Explorer, ArrowKeysTurnAndTiltTheJoint)
{
    ExplorerNet& net = explorer->Net();
    net.setFocus();
    QTest::keyClick(&net, Qt::Key_Right);
    EXPECT_EQ(Text("input_joint_beta"), "17.0");
    QTest::keyClick(&net, Qt::Key_Left);
    QTest::keyClick(&net, Qt::Key_Left);
    EXPECT_EQ(Text("input_joint_beta"), "15.0");
    QTest::keyClick(&net, Qt::Key_Up);
    EXPECT_EQ(Text("input_joint_psi"), "34.0");
    QTest::keyClick(&net, Qt::Key_Down);
    QTest::keyClick(&net, Qt::Key_Down);
    EXPECT_EQ(Text("input_joint_psi"), "32.0");
    Type("input_joint_beta", "359.5");
    Find<QPushButton>("btnCalculate")->click();
    QTest::keyClick(&net, Qt::Key_Right);
    EXPECT_EQ(Text("input_joint_beta"), "0.5") << "the dip direction wraps at North";
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
}

TEST_F(Explorer, TheFieldIsComputedOncePerStateAndChangesThePicture)
{
    const QImage plain = NetImage();
    explorer->findChild<QComboBox*>("cmbField")->setCurrentIndex(1);  // slip tendency
    const QImage slip = NetImage();
    EXPECT_NE(plain, slip);
    const int computed = explorer->Net().FieldComputations();
    QTest::keyClick(&explorer->Net(), Qt::Key_Right);  // the joint moves, the stress does not
    EXPECT_EQ(explorer->Net().FieldComputations(), computed);
    EnterPorePressure("3");
    EXPECT_EQ(explorer->Net().FieldComputations(), computed + 1);
    EXPECT_NE(NetImage(), slip) << "the pressure changes the field";
    explorer->findChild<QComboBox*>("cmbField")->setCurrentIndex(2);
    EXPECT_EQ(explorer->Net().Field().kind, FieldKind::DilationTendency);
}

TEST_F(Explorer, LayersSwitchWhatTheNetShows)
{
    const QImage all = NetImage();
    explorer->findChild<QCheckBox*>("chkExplorerPrincipal")->setChecked(false);
    const QImage noPrincipal = NetImage();
    EXPECT_NE(all, noPrincipal);
    explorer->findChild<QCheckBox*>("chkExplorerUser")->setChecked(true);
    EXPECT_NE(NetImage(), noPrincipal);
}

TEST_F(Explorer, DiagramsSaveAsSvgPdfAndPngAndReportAnUnwritableFile)
{
    QTemporaryDir dir;
    QString error;
    for (const char* name : {"net.svg", "net.pdf", "net.png"})
        EXPECT_TRUE(explorer->Net().SaveTo(dir.filePath(name), &error)) << error.toStdString();
    EXPECT_TRUE(explorer->Mohr().SaveTo(dir.filePath("mohr.pdf"), &error));
    QFile pdf(dir.filePath("net.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_FALSE(QImage(dir.filePath("net.png")).isNull());
    QFile svg(dir.filePath("net.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_FALSE(explorer->Net().SaveTo(dir.filePath("missing/net.svg"), &error));
    EXPECT_TRUE(error.contains("missing/net.svg")) << error.toStdString();
    EXPECT_FALSE(explorer->Net().SaveTo(dir.filePath("net.bmp"), &error));
}

TEST_F(Explorer, TextSizeKeysGrowAndShrinkTheDiagramsText)
{
    auto fontSizes = [](const QByteArray& svg) {
        QList<int> sizes;
        const QRegularExpression size(R"(font-size="(\d+))");
        for (auto it = size.globalMatch(QString::fromUtf8(svg)); it.hasNext();)
            sizes << it.next().captured(1).toInt();
        return sizes;
    };
    const QList<int> before = fontSizes(explorer->Net().ToSvg());
    ASSERT_FALSE(before.isEmpty());
    explorer->findChild<QAction*>("mnuLargerText")->trigger();
    EXPECT_EQ(explorer->Net().TextScale(), 1.25);
    EXPECT_EQ(explorer->Mohr().TextScale(), 1.25);
    const QList<int> larger = fontSizes(explorer->Net().ToSvg());
    EXPECT_GT(*std::max_element(larger.begin(), larger.end()),
              *std::max_element(before.begin(), before.end()));
    for (int i = 0; i < 20; ++i) explorer->findChild<QAction*>("mnuSmallerText")->trigger();
    EXPECT_DOUBLE_EQ(explorer->Net().TextScale(), std::pow(1.25, -3)) << "three steps down at most";
    explorer->findChild<QAction*>("mnuNormalText")->trigger();
    EXPECT_EQ(explorer->Net().TextScale(), 1.0);
    EXPECT_EQ(explorer->findChild<QAction*>("mnuNormalText")->shortcut(), QKeySequence("Ctrl+0"));
    EXPECT_TRUE(explorer->findChild<QAction*>("mnuLargerText")->shortcuts().contains(QKeySequence::ZoomIn));
}

TEST_F(Explorer, CopyPutsTheDiagramOnTheClipboardAsSvgAndImage)
{
    explorer->findChild<QAction*>("mnuMohrCopy")->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
    EXPECT_TRUE(data->hasImage());
}

}  // namespace
}  // namespace tensorium::testing_support
