// The explorer's pictures measured in the pixels users see.
#include <QCheckBox>
#include <QImage>
#include <QPainter>

#include "app/explorer/explorer_mohr.h"
#include "app/explorer/explorer_net.h"
#include "core/analysis_model.h"
#include "core/angles.h"
#include "tests/core/default_inputs.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

// The defaults of the main window, analysed.
void Analyse(AnalysisModel& model, const StressState& stress = {3.4, 1, 8, 1, -1, 2})
{
    testing_support::SetDefaultInputs(model.state(), stress);
    model.ComputeAll();
}

QImage Render(const ExplorerDiagram& diagram, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    diagram.Paint(painter, QRectF(image.rect()));
    return image;
}

bool Dark(QRgb c) { return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; }
bool Orange(QRgb c) { return std::abs(qRed(c) - 230) < 30 && std::abs(qGreen(c) - 97) < 30 && qBlue(c) < 40; }

TEST(ExplorerPictures, ThePrimitiveCircleIsCentredWithItsRadiusFromTheSmallerSide)
{
    AnalysisModel model;
    Analyse(model);
    ExplorerNet net(model);
    net.SetLayers({false, false, false});
    for (const QSize size : {QSize(700, 500), QSize(400, 900)}) {
        const QImage image = Render(net, size);
        const int cy = size.height() / 2, cx = size.width() / 2;
        // The first dark pixel met going out from the centre, each way.
        auto reach = [&](int dx, int dy) {
            int x = cx + 3 * dy, y = cy;  // a column beside the North tick
            while (x >= 0 && y >= 0 && x < size.width() && y < size.height() && !Dark(image.pixel(x, y)))
                x += dx, y += dy;
            return dx != 0 ? x : y;
        };
        const int left = reach(-1, 0), right = reach(1, 0), top = reach(0, -1), bottom = reach(0, 1);
        const double radius = 0.4 * std::min(size.width(), size.height());
        EXPECT_NEAR((left + right) / 2.0, cx, 1.5) << size.width();
        EXPECT_NEAR((right - left) / 2.0, radius, 2.0);
        EXPECT_NEAR((top + bottom) / 2.0, cy, 1.5);
        EXPECT_NEAR((bottom - top) / 2.0, radius, 2.0);
        // Nothing painted outside the widget's own colours: no magenta left.
        EXPECT_NE(image.pixel(2, 2), QColor(Qt::magenta).rgb());
    }
}

TEST(ExplorerPictures, TheJointPoleIsAnOrangeMarkerWhereThePoleProjects)
{
    AnalysisModel model;
    Analyse(model);
    ExplorerNet net(model);
    const QSize size(600, 600);
    const QImage image = Render(net, size);
    const QPointF pole = net.JointPoleAt(QRectF(QPointF(), QSizeF(size)));
    // The pole of a plane dipping 33 towards 016 plunges 57 towards 196.
    const NetPoint expected = ProjectDownward(PoleOf({DegToRad(16), DegToRad(33)}));
    EXPECT_NEAR(pole.x(), 300 + 240 * expected.x, 1e-9);
    EXPECT_NEAR(pole.y(), 300 - 240 * expected.y, 1e-9);
    EXPECT_LT(expected.x, 0);
    EXPECT_LT(expected.y, 0) << "South-West of the centre";
    EXPECT_TRUE(Orange(image.pixel(pole.toPoint())));
}

TEST(ExplorerPictures, AllEqualStressesAreSaidOnTheNet)
{
    AnalysisModel model;
    ExplorerNet net(model);
    Analyse(model, {5, 5, 5, 0, 0, 0});
    net.Refresh();
    EXPECT_TRUE(net.ToSvg().contains("every direction is principal"));
    Analyse(model);
    net.Refresh();
    EXPECT_FALSE(net.ToSvg().contains("every direction is principal"));
}

// An equal pair has no determined axes: only the distinct axis gets a cross
// and a label, and its plane is the circle the pair's axes lie on.
TEST(ExplorerPictures, AnEqualPairShowsOnlyTheDistinctAxis)
{
    const struct {
        StressState stress;
        QStringList shown, hidden;
    } cases[] = {{{5, 5, 8, 0, 0, 0}, {">s1<"}, {">s2<", ">s3<"}},
                 {{8, 8, 5, 0, 0, 0}, {">s3<"}, {">s1<", ">s2<"}},
                 {{3.4, 1, 8, 1, -1, 2}, {">s1<", ">s2<", ">s3<"}, {}}};
    for (const auto& c : cases) {
        AnalysisModel model;
        Analyse(model, c.stress);
        ExplorerNet net(model);
        net.resize(400, 400);
        const QString svg = QString::fromUtf8(net.ToSvg());
        for (const QString& label : c.shown) EXPECT_TRUE(svg.contains(label)) << label.toStdString();
        for (const QString& label : c.hidden) EXPECT_FALSE(svg.contains(label)) << label.toStdString();
    }
}

TEST(ExplorerPictures, MohrCirclesAreRoundAndTheJointSitsBetweenThem)
{
    AnalysisModel model;
    Analyse(model);
    ExplorerMohr mohr(model);
    const AnalysisState& state = model.state();
    for (const QSize size : {QSize(800, 400), QSize(500, 700)}) {
        const QImage image = Render(mohr, size);
        const MohrFrame f = mohr.FrameFor(QRectF(QPointF(), QSizeF(size)));
        const double s1 = state.principal.s1, s3 = state.principal.s3;
        const double centre = s1 / 2 + s3 / 2, radius = s1 / 2 - s3 / 2;
        // The top of the black circle, measured down the column of its centre.
        const int x = static_cast<int>(std::lround(ExplorerMohr::At(f, centre, 0).x()));
        int top = -1;
        for (int y = 0; y < size.height() && top < 0; ++y)
            if (Dark(image.pixel(x, y))) top = y;
        const double across = ExplorerMohr::At(f, s1, 0).x() - ExplorerMohr::At(f, centre, 0).x();
        const double up = ExplorerMohr::At(f, centre, 0).y() - top;
        EXPECT_NEAR(up, across, 2.5) << "one scale on both axes";
        EXPECT_NEAR(across, radius * f.pxPerUnit, 1e-9);
        const QPointF joint = mohr.JointPointAt(QRectF(QPointF(), QSizeF(size)));
        // The default joint slips (SF = 0.604): its point is red.
        ASSERT_LE(*state.jointStability.safetyFactor, 1);
        const QRgb c = image.pixel(joint.toPoint());
        EXPECT_TRUE(qRed(c) > 230 && qGreen(c) < 30 && qBlue(c) < 30) << QColor(c).name().toStdString();
        EXPECT_TRUE(QRectF(f.plot.left, f.plot.top, f.plot.width, f.plot.height).contains(joint));
    }
}

}  // namespace
}  // namespace tensorium
