// Faults with observed slip in the plane set window: the rake each stress
// predicts and the misfit in the table and the export, the stress found
// from the slips with its bootstrap, and that stress written back into the
// main window.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <cmath>
#include <random>

#include "app/explorer/explorer_net.h"
#include "app/explorer/frm_explorer.h"
#include "app/planes/frm_planes.h"
#include "app/planes/inversion_panel.h"
#include "app/planes/plane_set_document.h"
#include "app/planes/plane_table_model.h"
#include "core/angles.h"
#include "core/fault_data.h"
#include "core/fault_slip.h"
#include "diagrams/net_projection.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

// A downward line of trend t and plunge p (degrees), x East, y North, z up.
Vec3 Line(double trend, double plunge)
{
    const double t = DegToRad(trend), p = DegToRad(plunge);
    return {std::sin(t) * std::cos(p), std::cos(t) * std::cos(p), -std::sin(p)};
}

// sigma1 plunging 60 towards 030, sigma3 horizontal towards 120, R = 0.4.
ReducedStress KnownStress()
{
    ReducedStress r;
    r.s1 = Line(30, 60);
    r.s3 = Line(120, 0);
    r.s2 = PointingDown(Cross(r.s1, r.s3));
    r.ratio = 0.4;
    return r;
}

// Faults of random attitude, each with the rake `stress` predicts on it.
PlaneSet FaultsUnder(const StressState& stress, int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> direction(0, 360), dip(15, 85);
    PlaneSet planes;
    while (static_cast<int>(planes.size()) < count) {
        MeasuredPlane plane{"F" + std::to_string(planes.size() + 1), direction(random), dip(random), "F"};
        plane.rake = PredictedRake(plane, stress);
        if (plane.rake) planes.push_back(plane);
    }
    return planes;
}

class PlanesSlip : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Action("mnuPlanes")->trigger();
        planes = window->findChild<FrmPlanes*>("FrmPlanes");
        ASSERT_NE(planes, nullptr);
        table = planes->findChild<QTableView*>("tblPlanes");
    }
    PlaneSetDocument& Document() { return window->Planes(); }
    QString Output(const char* name) const { return planes->findChild<QLineEdit*>(name)->text(); }
    QPushButton* Button(const char* name) const { return planes->findChild<QPushButton*>(name); }
    double Number(const char* name) const { return Text(name).toDouble(); }
    // sx = 4, sy = 6, sz = 10: slip down the dip of a plane dipping East.
    void TypeTheNormalFaultingCase()
    {
        window->Session().EditInputs({{TypedInput::Sx, "4"},
                                      {TypedInput::Sy, "6"},
                                      {TypedInput::Sz, "10"},
                                      {TypedInput::Txy, "0"},
                                      {TypedInput::Tyz, "0"},
                                      {TypedInput::Tzx, "0"}});
    }
    void FindTheStress()
    {
        Button("btnInvert")->click();
        planes->Inversion().WaitForResult();
    }

    FrmPlanes* planes = nullptr;
    QTableView* table = nullptr;
};

TEST_F(PlanesSlip, TheTableShowsThePredictedRakeAndTheMisfit)
{
    TypeTheNormalFaultingCase();
    MeasuredPlane normal{"N", 90, 60, ""}, oblique{"O", 90, 60, ""}, none{"X", 200, 30, ""};
    normal.rake = -90;
    oblique.rake = -60;
    Document().ReplaceAll({normal, oblique, none}, "Faults");
    auto cell = [&](int row, int column) { return table->model()->index(row, column).data().toString(); };
    EXPECT_EQ(cell(0, PlaneTableModel::Rake), "-90.000");
    EXPECT_EQ(cell(0, PlaneTableModel::PredictedRake), "-90.000");
    EXPECT_EQ(cell(0, PlaneTableModel::Misfit), "0.000");
    EXPECT_EQ(cell(1, PlaneTableModel::PredictedRake), "-90.000");
    EXPECT_EQ(cell(1, PlaneTableModel::Misfit), "30.000");
    for (int column : {PlaneTableModel::Rake, PlaneTableModel::PredictedRake, PlaneTableModel::Misfit})
        EXPECT_EQ(cell(2, column), "") << "no slip observed";

    // A new stress predicts new rakes: now a reverse fault.
    window->Session().EditInputs({{TypedInput::Sx, "10"}, {TypedInput::Sz, "4"}});
    EXPECT_EQ(cell(0, PlaneTableModel::PredictedRake), "90.000");
    EXPECT_EQ(cell(0, PlaneTableModel::Misfit), "180.000");

    // The rake is typed, checked, cleared and undone like the angles.
    auto type = [&](int row, const QString& text) {
        return table->model()->setData(table->model()->index(row, PlaneTableModel::Rake), text, Qt::EditRole);
    };
    EXPECT_TRUE(type(2, "-45"));
    EXPECT_EQ(Document().Planes()[2].rake, -45.0);
    EXPECT_FALSE(type(2, "181"));
    EXPECT_TRUE(failures.last().contains("A rake must lie between -180 and 180 degrees: 181 does not"));
    EXPECT_TRUE(type(2, "-180"));
    EXPECT_EQ(Document().Planes()[2].rake, 180.0) << "the same slip as +180";
    EXPECT_TRUE(type(2, ""));
    EXPECT_FALSE(Document().Planes()[2].rake);
    Document().UndoStack().undo();
    EXPECT_EQ(Document().Planes()[2].rake, 180.0);
}

TEST_F(PlanesSlip, TheExportCarriesTheRakesTheirPredictionAndTheMisfit)
{
    TypeTheNormalFaultingCase();
    MeasuredPlane fault{"N", 90, 60, ""};
    fault.rake = -60;
    Document().ReplaceAll({fault, {"X", 10, 10, ""}}, "Faults");
    QTemporaryDir folder;
    const QString path = folder.filePath("faults.csv");
    ASSERT_TRUE(window->ExportPlanes(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].trimmed().endsWith(",critical,rake,predicted_rake,misfit"));
    const QList<QByteArray> cells = lines[1].trimmed().split(',');
    ASSERT_EQ(cells.size(), 15);
    EXPECT_EQ(cells[12].toDouble(), -60.0);
    EXPECT_NEAR(cells[13].toDouble(), -90.0, 1e-12);
    EXPECT_NEAR(cells[14].toDouble(), 30.0, 1e-12);
    EXPECT_TRUE(lines[2].trimmed().endsWith(",,,")) << "no slip, no values";
}

TEST_F(PlanesSlip, FindsTheStressTheSlipsRecordAndWritesItIntoTheMainWindow)
{
    const ReducedStress known = KnownStress();
    Document().ReplaceAll(FaultsUnder(StressWithAxes(known, 1, 0), 60, 7), "Faults");
    FindTheStress();
    ASSERT_NE(Document().Inversion(), nullptr);
    EXPECT_EQ(Output("edtInvS1Trend"), "30.00");
    EXPECT_EQ(Output("edtInvS1Plunge"), "60.00");
    EXPECT_EQ(Output("edtInvS3Trend"), "120.00");
    EXPECT_EQ(Output("edtInvS3Plunge"), "0.00");
    EXPECT_EQ(Output("edtInvR"), "0.400");
    EXPECT_EQ(Output("edtInvMisfit"), "0.00");
    EXPECT_EQ(Output("edtInvRRange"), QString::fromUtf8("0.400 – 0.400")) << "exact data do not scatter";
    EXPECT_TRUE(planes->findChild<QLabel*>("lblInvertStatus")->text().contains("60 faults"));

    // The same seed gives the same bootstrap.
    const BootstrapResult first = *Document().Inversion();
    FindTheStress();
    EXPECT_EQ(Document().Inversion()->ratios, first.ratios);

    // Back to the tensor, with the chosen sigma1 and sigma3.
    planes->findChild<QLineEdit*>("edtInvSigma1")->setText("10");
    planes->findChild<QLineEdit*>("edtInvSigma3")->setText("2");
    Button("btnUseInverted")->click();
    EXPECT_TRUE(failures.isEmpty()) << failures.join("\n").toStdString();
    const StressState expected = StressWithAxes(known, 10, 2);
    EXPECT_EQ(Text("input_sx"), window->Session().FormatTyped(expected.sx, 3));
    EXPECT_EQ(Text("input_tzx"), window->Session().FormatTyped(expected.tzx, 3));
    // The principal page reads back sigma1, sigma2 = 2 + 0.4 * 8 and sigma3,
    // to the rounding of the typed components (3 decimals).
    EXPECT_NEAR(Number("input_s1"), 10, 0.002);
    EXPECT_NEAR(Number("input_s2"), 5.2, 0.002);
    EXPECT_NEAR(Number("input_s3"), 2, 0.002);
    // Every fault's slip is now predicted to within that rounding (which
    // turns the slip most on planes of little shear).
    double sum = 0;
    for (const PlaneSlipFit& fit : Document().SlipFits()) {
        ASSERT_TRUE(fit.misfit);
        EXPECT_LT(*fit.misfit, 0.5);
        sum += *fit.misfit;
    }
    EXPECT_LT(sum / Document().SlipFits().size(), 0.05);
}

TEST_F(PlanesSlip, TooFewFaultsCancellingAndNewPlanesLeaveNoStaleStress)
{
    const StressState stress = StressWithAxes(KnownStress(), 1, 0);
    Document().ReplaceAll(FaultsUnder(stress, 3, 1), "Three");
    FindTheStress();
    ASSERT_FALSE(failures.isEmpty());
    EXPECT_TRUE(
        failures.last().contains("at least 4 faults with an observed slip (a rake); the plane set has 3"));
    EXPECT_EQ(Document().Inversion(), nullptr);

    Document().ReplaceAll(FaultsUnder(stress, 500, 2), "Many");
    Button("btnInvert")->click();
    EXPECT_FALSE(Button("btnInvert")->isEnabled()) << "one search at a time";
    Button("btnCancelInvert")->click();
    planes->Inversion().WaitForResult();
    EXPECT_TRUE(planes->findChild<QLabel*>("lblInvertStatus")->text().startsWith("Cancelled"));
    EXPECT_EQ(Document().Inversion(), nullptr);
    EXPECT_TRUE(Button("btnInvert")->isEnabled());

    FindTheStress();
    ASSERT_NE(Document().Inversion(), nullptr);
    EXPECT_TRUE(Button("btnUseInverted")->isEnabled());
    Document().Append({{"new", 10, 10, ""}}, "Add plane");
    EXPECT_EQ(Document().Inversion(), nullptr) << "found from other planes";
    EXPECT_EQ(Output("edtInvR"), "");
    EXPECT_FALSE(Button("btnUseInverted")->isEnabled());
}

// On the explorer's net, with the P and T layer: the three axes found, the
// resamples round them and their cones, in the principal stresses' colours.
TEST_F(PlanesSlip, TheStressFoundIsDrawnOnTheNetWithItsCones)
{
    Action("mnuStressExplorer")->trigger();
    auto* explorer = window->findChild<FrmExplorer*>("FrmExplorer");
    ASSERT_NE(explorer, nullptr);
    explorer->findChild<QCheckBox*>("chkExplorerPrincipal")->setChecked(false);
    explorer->findChild<QCheckBox*>("chkExplorerPT")->setChecked(true);
    auto* net = explorer->findChild<ExplorerNet*>("ExplorerNet");
    net->resize(600, 600);
    const ReducedStress known = KnownStress();
    Document().ReplaceAll(FaultsUnder(StressWithAxes(known, 1, 0), 40, 3), "Faults");
    // Pixels of sigma 1's green within a few pixels of its axis on the net.
    auto greenNearSigma1 = [&] {
        const QImage image = net->ToImage(1);
        const QRectF target(QPointF(0, 0), QSizeF(net->size()));
        const QPointF at = ExplorerNet::ToTarget(target, ProjectDownward(known.s1));
        int count = 0;
        for (int y = int(at.y()) - 12; y <= int(at.y()) + 12; ++y)
            for (int x = int(at.x()) - 12; x <= int(at.x()) + 12; ++x)
                if (image.valid(x, y) && image.pixel(x, y) == qRgb(0, 128, 0)) ++count;
        return count;
    };
    EXPECT_EQ(greenNearSigma1(), 0) << "nothing found yet";
    FindTheStress();
    ASSERT_NE(Document().Inversion(), nullptr);
    EXPECT_GT(greenNearSigma1(), 20) << "the square of the axis found";
    // In files as vectors: the cones' dashed outlines and the key's words.
    const QByteArray svg = net->ToSvg();
    EXPECT_TRUE(svg.contains("stroke=\"#008000\"") && svg.contains("stroke-dasharray"));
    EXPECT_TRUE(svg.contains("stress fit to the slips"));
}

}  // namespace
}  // namespace tensorium::testing_support
