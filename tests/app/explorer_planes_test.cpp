// The measured planes in the explorer, as users see them: poles where the
// projection puts them and in the colours of the field, a click on one that
// selects its row, the density's contours and maximum, and every plane's
// point on the Mohr diagram with the count of those critically stressed.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <QTest>
#include <cmath>

#include "app/explorer/colour_map.h"
#include "app/explorer/explorer_mohr.h"
#include "app/explorer/explorer_net.h"
#include "app/planes/frm_planes.h"
#include "app/planes/plane_set_document.h"
#include "tests/app/explorer_fixture.h"

namespace tensorium::testing_support {
namespace {

class ExplorerPlanes : public ExplorerTest {
protected:
    void SetUp() override
    {
        ExplorerTest::SetUp();
        explorer->resize(1200, 700);
        QApplication::processEvents();
    }
    void Show(const char* layer, bool on) { explorer->findChild<QCheckBox*>(layer)->setChecked(on); }
    PlaneSetDocument& Document() { return window->Planes(); }
    QImage Picture(const ExplorerDiagram& diagram) const
    {
        QImage image(diagram.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        diagram.Paint(painter, QRectF(image.rect()));
        return image;
    }
};

// The pixel whose square holds `at`.
QPoint PixelAt(const QPointF& at)
{
    return {static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y()))};
}

bool Near(QRgb a, const QColor& b, int by)
{
    return std::abs(qRed(a) - b.red()) <= by && std::abs(qGreen(a) - b.green()) <= by &&
           std::abs(qBlue(a) - b.blue()) <= by;
}

TEST_F(ExplorerPlanes, PolesLieWhereTheProjectionPutsThemInTheirColours)
{
    // A horizontal plane's pole at the centre; a vertical one dipping East on
    // the primitive circle to the West; one dipping 60 towards 180 at
    // sqrt(2) sin(30) of the radius to the North.
    Document().ReplaceAll({{"flat", 0, 0, "A"}, {"east", 90, 90, "B"}, {"south", 180, 60, "A"}},
                          "Import planes");
    Show("chkExplorerPoles", true);
    Show("chkExplorerJoint", false);
    Show("chkExplorerPrincipal", false);
    ExplorerNet& net = explorer->Net();
    const QRectF target(net.rect());
    const std::vector<QPointF> at = net.PolesAt(target);
    ASSERT_EQ(at.size(), 3u);
    const double r = ExplorerNet::NetRadius(target);
    const QPointF c = target.center();
    EXPECT_NEAR(at[0].x(), c.x(), 1e-9);
    EXPECT_NEAR(at[0].y(), c.y(), 1e-9);
    EXPECT_NEAR(at[1].x(), c.x() - r, 1e-9);
    EXPECT_NEAR(at[2].y(), c.y() - r * std::sqrt(2.0) * 0.5, 1e-9);
    EXPECT_NEAR(at[2].x(), c.x(), 1e-9);

    // Without a field, by set: the two of set A alike, B another colour.
    const QImage bySet = Picture(net);
    const QRgb a0 = bySet.pixel(PixelAt(at[0])), a2 = bySet.pixel(PixelAt(at[2]));
    const QRgb b1 = bySet.pixel(PixelAt(at[1] + QPointF(1, 0)));
    EXPECT_EQ(a0, a2);
    EXPECT_FALSE(Near(a0, QColor(b1), 40));
    EXPECT_NE(a0, qRgb(255, 255, 255)) << "a pole is drawn";

    // With the slip tendency field: the pole's colour is its own value's.
    explorer->findChild<QComboBox*>("cmbField")->setCurrentIndex(static_cast<int>(FieldKind::SlipTendency));
    const PlaneStability& s = Document().Outcomes()[2].stability;
    ASSERT_TRUE(s.slipTendency);
    const QColor expected = MapColour(Closeness(FieldKind::SlipTendency, net.ColourRange(), *s.slipTendency));
    EXPECT_TRUE(Near(Picture(net).pixel(PixelAt(at[2])), expected, 6))
        << QColor(Picture(net).pixel(PixelAt(at[2]))).name().toStdString() << " for "
        << expected.name().toStdString();
}

TEST_F(ExplorerPlanes, AClickOnAPoleSelectsItsRowAndTheRowItsPole)
{
    Document().ReplaceAll({{"a", 30, 40, ""}, {"b", 200, 70, ""}, {"c", 300, 20, ""}}, "Import planes");
    Show("chkExplorerPoles", true);
    Show("chkExplorerJoint", false);
    Action("mnuPlanes")->trigger();
    auto* planes = window->findChild<FrmPlanes*>("FrmPlanes");
    ASSERT_NE(planes, nullptr);
    ExplorerNet& net = explorer->Net();
    const std::vector<QPointF> at = net.PolesAt(QRectF(net.rect()));
    QTest::mouseClick(&net, Qt::LeftButton, Qt::NoModifier, at[1].toPoint());
    EXPECT_EQ(Document().Selection(), std::vector<int>{1});
    EXPECT_EQ(planes->SelectedPlanes(), std::vector<int>{1});
    QTest::mouseClick(&net, Qt::LeftButton, Qt::ControlModifier, at[2].toPoint());
    EXPECT_EQ(Document().Selection(), (std::vector<int>{1, 2}));
    // From the table to the net: the selected pole drawn larger, ringed.
    auto darkAround = [&](const QPointF& centre) {
        const QImage picture = Picture(net);
        int dark = 0;
        for (int y = -12; y <= 12; ++y)
            for (int x = -12; x <= 12; ++x) dark += qRed(picture.pixel(centre.toPoint() + QPoint(x, y))) < 90;
        return dark;
    };
    const int before = darkAround(at[0]);
    QAbstractItemModel* rows = planes->Table().model();
    planes->Table().selectionModel()->select(rows->index(0, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(Document().Selection(), std::vector<int>{0});
    EXPECT_GT(darkAround(at[0]), before + 8) << "a dark ring round the selected pole";
}

TEST_F(ExplorerPlanes, TheDensityIsContouredWithItsMaximumMarked)
{
    PlaneSet cluster;
    for (int k = 0; k < 60; ++k) cluster.push_back({"", 120.0 + (k % 7) - 3, 50.0 + (k % 5) - 2, ""});
    Document().ReplaceAll(cluster, "Import planes");
    Show("chkExplorerDensity", true);
    ExplorerNet& net = explorer->Net();
    const QImage without = [&] {
        Show("chkExplorerDensity", false);
        return Picture(net);
    }();
    Show("chkExplorerDensity", true);
    const QImage with = Picture(net);
    const PoleDensity* density = net.Density();
    ASSERT_NE(density, nullptr);
    EXPECT_NEAR(density->maximumDipDirection, 120, 2);
    EXPECT_NEAR(density->maximumDip, 50, 2);
    EXPECT_GE(density->maximum, 6) << "a tight cluster stands far above a uniform set";
    // Contours drawn round the cluster: the two pictures differ there.
    int changed = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) changed += with.pixel(x, y) != without.pixel(x, y);
    EXPECT_GT(changed, 200);
}

TEST_F(ExplorerPlanes, TheMohrDiagramShowsEveryPlaneAndCountsTheCriticalOnes)
{
    PlaneSet set;
    for (int k = 0; k < 50; ++k) set.push_back({"", 7.2 * k, 1.7 * k, ""});
    Document().ReplaceAll(set, "Import planes");
    Show("chkExplorerPoles", true);
    EnterPorePressure("3");
    ExplorerMohr& mohr = explorer->Mohr();
    const QRectF target(mohr.rect());
    const MohrLayout layout = mohr.LayoutFor(target);
    QString count;
    for (const MohrLabel& label : layout.labels)
        if (label.text.startsWith("Critically stressed")) count = label.text;
    EXPECT_EQ(count, QString("Critically stressed: %1 of 50 planes (%2 %)")
                         .arg(Document().CriticalCount())
                         .arg(QString::number(Document().CriticalPercent(), 'f', 1)));
    // Each plane's point at (sigma', tau), not white there.
    const QImage picture = Picture(mohr);
    for (const PlaneOutcome& o : Document().Outcomes()) {
        const QPoint at = PixelAt(ExplorerMohr::At(layout.frame, o.stresses.sigma - 3, o.stresses.tau));
        EXPECT_NE(picture.pixel(at), qRgb(255, 255, 255));
    }
    Show("chkExplorerPoles", false);
    for (const MohrLabel& label : mohr.LayoutFor(target).labels)
        EXPECT_FALSE(label.text.startsWith("Critically"));
}

// At each step of the pore pressure the planes' points and poles are drawn
// from pictures made on workers while the window updates its other parts:
// they must be the very pixels of diagrams that paint everything themselves.
TEST_F(ExplorerPlanes, PicturesMadeWhileTheWindowUpdatesAreThoseOfDiagramsPaintedAfresh)
{
    PlaneSet set;
    for (int k = 0; k < 3000; ++k)
        set.push_back({"", std::fmod(137.5 * k, 360.0), std::fmod(7.3 * k, 90.0), ""});
    Document().ReplaceAll(set, "Import planes");
    Show("chkExplorerPoles", true);
    Show("chkExplorerPrincipal", false);
    explorer->findChild<QComboBox*>("cmbField")->setCurrentIndex(static_cast<int>(FieldKind::SafetyFactor));
    Document().Select({5, 1200});
    ExplorerMohr& mohr = explorer->Mohr();
    ExplorerNet& net = explorer->Net();
    // Never shown: they make no pictures ahead.
    const AnalysisModel& model = window->Session().Model();
    ExplorerMohr mohrAfresh(model);
    mohrAfresh.SetPlaneSet(&Document());
    mohrAfresh.SetPlanesShown(true);
    mohrAfresh.SetPlaneColouring(FieldKind::SafetyFactor);
    mohrAfresh.resize(mohr.size());
    ExplorerNet netAfresh(model);
    netAfresh.SetPlaneSet(&Document());
    NetLayers layers;
    layers.principal = false;
    layers.poles = true;
    netAfresh.SetLayers(layers);
    netAfresh.SetField(FieldKind::SafetyFactor);
    netAfresh.resize(net.size());
    int critical = 0;
    for (const char* pressure : {"0", "4", "9", "25"}) {
        SCOPED_TRACE(pressure);
        EnterPorePressure(pressure);
        QApplication::processEvents();
        netAfresh.Refresh();
        critical = std::max(critical, Document().CriticalCount());
        EXPECT_TRUE(Picture(mohr) == Picture(mohrAfresh));
        EXPECT_TRUE(Picture(net) == Picture(netAfresh));
    }
    EXPECT_GT(critical, 0);  // rings among the points

    // Many steps without a paint between them: the pictures of the last.
    for (int step = 0; step < 60; ++step) EnterPorePressure(QString::number(step % 17));
    QApplication::processEvents();
    netAfresh.Refresh();
    EXPECT_TRUE(Picture(mohr) == Picture(mohrAfresh));
    EXPECT_TRUE(Picture(net) == Picture(netAfresh));
}

}  // namespace
}  // namespace tensorium::testing_support
