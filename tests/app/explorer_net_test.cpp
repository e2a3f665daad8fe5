// The explorer's net with a stability field: colours that keep their meaning
// while the pore pressure changes, planes opened by it as a region of their
// own, the joint's value on the legend, a legend that fits at any text size,
// and an SVG that is the screen picture in vectors.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "app/explorer/colour_map.h"
#include "app/explorer/explorer_net.h"
#include "core/analysis_model.h"
#include "core/plane_traction.h"
#include "core/stability.h"
#include "diagrams/net_projection.h"
#include "tests/core/default_inputs.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <random>

namespace tensorium {
namespace {

constexpr FieldKind kFields[] = {FieldKind::SlipTendency, FieldKind::DilationTendency,
                                 FieldKind::SafetyFactor};

// A state whose pore pressure p, between s3 = 10 and s1 = 50, opens the
// planes round the vertical (the pole of s3 at the centre of the net) and
// the default joint; friction angle 30 degrees.
void Analyse(AnalysisModel& model, double p, const StressState& stress = {50, 30, 10, 0, 0, 0})
{
    testing_support::SetDefaultInputs(model.state(), stress);
    model.state().joint.phi = 30;
    model.ComputeAll();
    model.SetPorePressure(p);
}

QImage Render(const ExplorerNet& net, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    net.Paint(painter, QRectF(image.rect()));
    return image;
}

int Difference(QRgb a, QRgb b)
{
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Sizes and text scales at which the net must stay legible: the largest
// text (three steps of 1.25) on a half and a quarter of a screen.
TEST(ExplorerNetLegend, FitsBesideTheCircleAtEveryTextScale)
{
    AnalysisModel model;
    for (double p : {0.0, 25.0}) {
        Analyse(model, p);
        ExplorerNet net(model);
        for (FieldKind kind : kFields) {
            net.SetField(kind);
            for (const QSizeF size : {QSizeF(900, 600), QSizeF(450, 350)}) {
                const QRectF target(QPointF(), size);
                const QPointF centre = target.center();
                const double r = ExplorerNet::NetRadius(target);
                int fontAtOne = 0;
                for (double scale : {1.0, 1.25 * 1.25 * 1.25}) {
                    SCOPED_TRACE(testing::Message()
                                 << "p " << p << ", field " << static_cast<int>(kind) << ", " << size.width()
                                 << " x " << size.height() << ", scale " << scale);
                    net.SetTextScale(scale);
                    const NetLayout layout = net.LayoutFor(target);
                    ASSERT_TRUE(layout.legend);
                    EXPECT_FALSE(layout.name.text.isEmpty());
                    EXPECT_GE(layout.values.size(), 2u) << "at least the two ends are numbered";
                    EXPECT_EQ(layout.openedSwatch.isEmpty(), p == 0)
                        << "the opened planes named only when there are some";
                    const std::vector<QRectF> boxes = layout.Boxes();
                    for (size_t k = 0; k < boxes.size(); ++k) {
                        const QRectF& box = boxes[k];
                        EXPECT_TRUE(target.contains(box)) << k;
                        // The nearest point of the box to the centre lies outside the circle.
                        const double x = std::clamp(centre.x(), box.left(), box.right());
                        const double y = std::clamp(centre.y(), box.top(), box.bottom());
                        EXPECT_GT(std::hypot(x - centre.x(), y - centre.y()), r) << k;
                        for (size_t m = 0; m < k; ++m)
                            EXPECT_FALSE(box.intersects(boxes[m])) << k << " and " << m;
                    }
                    // Larger text where the room allows, and never smaller.
                    const int font = layout.legendFont.pixelSize();
                    if (scale == 1) {
                        fontAtOne = font;
                    } else {
                        EXPECT_GE(font, fontAtOne);
                        if (size.width() == 900) {
                            EXPECT_GT(font, 1.5 * fontAtOne);
                        }
                    }
                }
            }
        }
    }
}

// The colours of a field do not move with the pore pressure: the same range,
// the same numbers, the same bar. The slip tendency's range follows the
// friction angle alone.
TEST(ExplorerNetLegend, TheRangeStaysWhileThePressureChanges)
{
    AnalysisModel model;
    Analyse(model, 0);
    ExplorerNet net(model);
    const QRectF target(0, 0, 900, 600);
    for (FieldKind kind : kFields) {
        net.SetField(kind);
        const ValueRange before = net.ColourRange();
        const NetLayout layoutBefore = net.LayoutFor(target);
        const QImage imageBefore = Render(net, target.size().toSize());
        model.SetPorePressure(25);
        net.Refresh();
        EXPECT_EQ(net.ColourRange().low, before.low);
        EXPECT_EQ(net.ColourRange().high, before.high);
        const NetLayout layoutAfter = net.LayoutFor(target);
        ASSERT_EQ(layoutAfter.values.size(), layoutBefore.values.size());
        for (size_t k = 0; k < layoutAfter.values.size(); ++k)
            EXPECT_EQ(layoutAfter.values[k].text, layoutBefore.values[k].text);
        const QImage imageAfter = Render(net, target.size().toSize());
        EXPECT_NE(imageAfter, imageBefore) << "the field itself changes";
        const QRect bar = layoutAfter.bar.toAlignedRect().adjusted(3, 3, -3, -3);
        EXPECT_EQ(imageAfter.copy(bar), imageBefore.copy(bar));
        model.SetPorePressure(0);
        net.Refresh();
    }
    net.SetField(FieldKind::SlipTendency);
    model.state().joint.phi = 40;
    net.Refresh();
    EXPECT_NEAR(net.ColourRange().high, 2 * std::tan(40 * std::acos(-1.0) / 180), 1e-15);
}

// The bar's ends: yellow where planes are closer to failure, whatever the
// field: a high slip or dilation tendency, a low safety factor. On the net,
// the plane normal to s1 (its pole East, beside the circle) carries no shear
// and the highest normal stress: far from failure in every field.
TEST(ExplorerNetLegend, TheYellowEndIsCloserToFailureInEveryField)
{
    AnalysisModel model;
    Analyse(model, 0);
    ExplorerNet net(model);
    net.SetLayers({false, false, false});
    const QSize size(900, 600);
    const QRectF target(0, 0, size.width(), size.height());
    const QPoint nearS1 = (target.center() + QPointF(0.95 * ExplorerNet::NetRadius(target), 0)).toPoint();
    // The bands at the ends of the bar.
    const QColor yellow = MapColour(0.95), blue = MapColour(0.05);
    for (FieldKind kind : kFields) {
        net.SetField(kind);
        const NetLayout layout = net.LayoutFor(QRectF(QPointF(), QSizeF(size)));
        const QImage image = Render(net, size);
        const double inset = 3 / layout.bar.height();
        // The upright bar has its failure end up: 0 at the bottom, 1 at the top.
        EXPECT_EQ(image.pixel(layout.BarAt(1 - inset).toPoint()), yellow.rgb());
        EXPECT_EQ(image.pixel(layout.BarAt(inset).toPoint()), blue.rgb());
        EXPECT_EQ(image.pixel(nearS1), blue.rgb()) << static_cast<int>(kind);
        const ValueRange range = net.ColourRange();
        const double failing = FailsHigh(kind) ? range.high : range.low;
        EXPECT_EQ(Closeness(kind, range, failing), 1);
        EXPECT_EQ(Closeness(kind, range, failing + (FailsHigh(kind) ? 1 : -1)), 1)
            << "beyond the range: its end";
        ASSERT_FALSE(layout.values.empty());
    }
}

// Planes opened by the pore pressure: grey at the centre of the net in every
// field, named on the legend, and the joint's marker points there when the
// joint is one of them; without pressure it points at the joint's value.
TEST(ExplorerNetLegend, OpenedPlanesAndTheJointsMarker)
{
    AnalysisModel model;
    Analyse(model, 25);
    ASSERT_LT(model.state().jointStability.sigmaEff, 0) << "the joint is opened";
    ExplorerNet net(model);
    const QSize size(900, 600);
    const QRectF target(0, 0, size.width(), size.height());
    for (FieldKind kind : kFields) {
        net.SetField(kind);
        net.SetLayers({false, false, true});
        const QImage image = Render(net, size);
        // Right of the centre by a fifth of the radius, clear of the joint's arc.
        const QPoint inside = (target.center() + QPointF(0.2 * ExplorerNet::NetRadius(target), 0)).toPoint();
        EXPECT_EQ(image.pixel(inside), OpenedColour().rgb());
        const NetLayout layout = net.LayoutFor(target);
        ASSERT_FALSE(layout.openedSwatch.isEmpty());
        EXPECT_EQ(image.pixel(layout.openedSwatch.center().toPoint()), OpenedColour().rgb());
        ASSERT_FALSE(layout.marker.isEmpty());
        EXPECT_NEAR(layout.markerTip.y(), layout.openedSwatch.center().y(), 1e-9);
        EXPECT_LE(layout.marker.right(), layout.openedSwatch.left());
    }
    model.SetPorePressure(0);
    net.Refresh();
    EXPECT_EQ(net.Field().openedNodes, 0);
    const PlaneStability& joint = model.state().jointStability;
    const std::optional<double> values[] = {joint.slipTendency, joint.dilationTendency, joint.safetyFactor};
    for (int k = 0; k < 3; ++k) {
        net.SetField(kFields[k]);
        const NetLayout layout = net.LayoutFor(target);
        EXPECT_TRUE(layout.openedSwatch.isEmpty());
        ASSERT_TRUE(values[k].has_value());
        const QPointF expected = layout.BarAt(Closeness(kFields[k], net.ColourRange(), *values[k]));
        EXPECT_NEAR(layout.markerTip.y(), expected.y(), 1e-9);
        EXPECT_NEAR(layout.markerTip.x(), layout.bar.left(), 1e-9);
        const QImage image = Render(net, size);
        const QColor marker(image.pixel(layout.marker.center().toPoint()));
        EXPECT_GT(marker.red(), 200) << "the joint's orange";
        EXPECT_LT(marker.blue(), 60);
    }
}

// The bold failure contour runs where the plane's own safety factor, or slip
// tendency, equals its failure value: to within the linear interpolation of
// the field between nodes, measured at 0.18 of a spacing on this state.
TEST(ExplorerNetLegend, TheFailureLineRunsWhereThePlanesFail)
{
    AnalysisModel model;
    Analyse(model, 5, {50, 30, 10, 4, -3, 6});
    const AnalysisState& s = model.state();
    for (FieldKind kind : {FieldKind::SlipTendency, FieldKind::SafetyFactor}) {
        const FieldInputs inputs{s.stress,    s.principal.s1, s.principal.s3,
                                 s.joint.phi, s.joint.c,      s.porePressure};
        const StabilityField field = ComputeField(kind, inputs, 64);
        const FieldPicture picture = FieldPictureOf(field, s.joint.phi);
        const double failure = *FailureValue(kind, s.joint.phi);
        ASSERT_GT(picture.failureLine.elementCount(), 20);
        auto valueAt = [&](double x, double y) {
            const PlaneTraction on = TractionOnPlane(DownwardAt({x, y}), s.stress);
            const PlaneStability plane = AssessPlane(on.sigma, on.tau, s.principal.s1, s.principal.s3,
                                                     s.joint.phi, s.joint.c, s.porePressure);
            return kind == FieldKind::SafetyFactor ? *plane.safetyFactor : *plane.slipTendency;
        };
        // How far each point lies from the true line: the miss in value over
        // the slope there, in spacings of the grid.
        double worst = 0;
        const double d = 1e-6;
        for (int k = 0; k < picture.failureLine.elementCount(); ++k) {
            const QPainterPath::Element e = picture.failureLine.elementAt(k);
            ASSERT_LE(std::hypot(e.x, e.y), 1 + 1e-12) << "inside the circle";
            const double value = valueAt(e.x, e.y);
            const double slope = std::hypot(valueAt(e.x + d, e.y) - valueAt(e.x - d, e.y),
                                            valueAt(e.x, e.y + d) - valueAt(e.x, e.y - d)) /
                                 (2 * d);
            worst = std::max(worst, std::fabs(value - failure) / slope / field.Spacing());
        }
        EXPECT_LT(worst, 0.25) << static_cast<int>(kind);
    }
}

// The field at the joint's pole is the joint's own value, which the legend's
// marker shows: the field places every plane at its pole as the net does.
TEST(ExplorerNetLegend, TheFieldAtTheJointsPoleIsTheJointsValue)
{
    AnalysisModel model;
    Analyse(model, 4, {3.4, 1, 8, 1, -1, 2});
    const AnalysisState& s = model.state();
    ASSERT_GT(s.jointStability.sigmaEff, 0);
    ExplorerNet net(model);
    const QRectF target(0, 0, 900, 600);
    const NetPoint pole = ExplorerNet::FromTarget(target, net.JointPoleAt(target));
    const PlaneTraction on = TractionOnPlane(DownwardAt(pole), s.stress);
    const PlaneStability plane =
        AssessPlane(on.sigma, on.tau, s.principal.s1, s.principal.s3, s.joint.phi, s.joint.c, s.porePressure);
    // The pole goes to the target and back, the stresses by another route:
    // measured 1.5 and 10 eps apart on values near 0.5.
    EXPECT_NEAR(*plane.safetyFactor, *s.jointStability.safetyFactor, 64 * DBL_EPSILON);
    EXPECT_NEAR(*plane.slipTendency, *s.jointStability.slipTendency, 64 * DBL_EPSILON);
    // And the field's nodes round the pole bracket the joint's value.
    net.SetField(FieldKind::SafetyFactor);
    const StabilityField& f = net.Field();
    const int i = static_cast<int>(std::floor((pole.x + f.Extent()) / f.Spacing()));
    const int j = static_cast<int>(std::floor((f.Extent() - pole.y) / f.Spacing()));
    const double corners[4] = {f.At(i, j), f.At(i + 1, j), f.At(i, j + 1), f.At(i + 1, j + 1)};
    EXPECT_LE(*std::min_element(corners, corners + 4), *s.jointStability.safetyFactor);
    EXPECT_GE(*std::max_element(corners, corners + 4), *s.jointStability.safetyFactor);
}

// The SVG holds the field as polygons cut to the primitive circle (the SVG
// writer drops clip paths), is small enough to mail, and rendered back it is
// the screen picture but for the smoothing of edges and glyphs.
TEST(ExplorerNetSvg, IsTheScreenPictureInPolygonsInsideTheCircle)
{
    AnalysisModel model;
    Analyse(model, 25);
    ExplorerNet net(model);
    net.resize(1600, 900);
    const QRectF target(net.rect());
    const QPointF centre = target.center();
    const double r = ExplorerNet::NetRadius(target);
    for (FieldKind kind : kFields) {
        SCOPED_TRACE(static_cast<int>(kind));
        net.SetField(kind);
        for (bool layers : {true, false}) {
            net.SetLayers({layers, layers, layers});
            const QByteArray svg = net.ToSvg();
            EXPECT_LT(svg.size(), 300 * 1024);
            EXPECT_FALSE(svg.contains("<image")) << "vectors, not a picture";
            for (const FieldBand& band : FieldPictureOf(net.Field(), model.state().joint.phi).bands)
                EXPECT_TRUE(svg.contains(QString("fill=\"%1\"").arg(band.colour.name()).toUtf8()))
                    << band.colour.name().toStdString();
            QImage back(net.size(), QImage::Format_ARGB32_Premultiplied);
            back.fill(Qt::white);
            {
                QPainter painter(&back);
                QSvgRenderer(svg).render(&painter);
            }
            const QImage screen = net.ToImage(1.0).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            ASSERT_EQ(back.size(), screen.size());
            // Pixels that differ by more than 48 levels (the smoothing of an
            // edge or a glyph drawn twice): measured at most 0.13 % of the
            // picture over these fields; a band missing, or the field spilling
            // out of the circle, changes several per cent.
            int differing = 0;
            for (int y = 0; y < back.height(); ++y)
                for (int x = 0; x < back.width(); ++x)
                    if (Difference(back.pixel(x, y), screen.pixel(x, y)) > 48) ++differing;
            EXPECT_LT(differing, back.width() * back.height() * 3 / 1000) << "layers " << layers;
            if (layers) continue;
            // With nothing on the net but the field: beyond the circle's line
            // only the legend and the North mark are painted.
            const NetLayout layout = net.LayoutFor(target);
            const double line = 0.01 * r + 2;  // wider than the circle's line at this size
            int outside = 0;
            for (int y = 0; y < back.height(); ++y) {
                for (int x = 0; x < back.width(); ++x) {
                    const QPointF at(x + 0.5, y + 0.5);
                    if (std::hypot(at.x() - centre.x(), at.y() - centre.y()) < r + line) continue;
                    const std::vector<QRectF> boxes = layout.Boxes();
                    if (std::any_of(boxes.begin(), boxes.end(),
                                    [&](const QRectF& b) { return b.adjusted(-6, -6, 6, 6).contains(at); }))
                        continue;
                    if (back.pixel(x, y) != QColor(Qt::white).rgb()) ++outside;
                }
            }
            EXPECT_EQ(outside, 0);
        }
    }
}

}  // namespace
}  // namespace tensorium

namespace tensorium {
namespace {

// A rotation from a random unit quaternion: rows are the user axes.
Mat3 RandomRotation(std::mt19937& random)
{
    std::normal_distribution<double> normal;
    double w = normal(random), x = normal(random), y = normal(random), z = normal(random);
    const double n = std::sqrt(w * w + x * x + y * y + z * z);
    w /= n, x /= n, y /= n, z /= n;
    return {{{1 - 2 * (y * y + z * z), 2 * (x * y - w * z), 2 * (x * z + w * y)},
             {2 * (x * y + w * z), 1 - 2 * (x * x + z * z), 2 * (y * z - w * x)},
             {2 * (x * z - w * y), 2 * (y * z + w * x), 1 - 2 * (x * x + y * y)}}};
}

QRectF CrossBox(const NetLayout::Pole& pole)
{
    return {pole.at - QPointF(pole.half, pole.half), QSizeF(2 * pole.half, 2 * pole.half)};
}

// The names of the principal and user poles beside their crosses: inside
// the net, apart from each other, from every other cross and from the words
// of the legend, with the text three steps larger on a half screen and on
// a quarter of one, whatever the stress and the user system.
TEST(ExplorerNetPoles, NamesStayApartFromEachOtherAndFromTheWords)
{
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> component(-10, 10);
    int cases = 0;
    for (int trial = 0; trial < 150; ++trial) {
        AnalysisModel model;
        const StressState stress = trial == 0
                                       ? StressState{3.4, 1, 8, 1, -1, 2}
                                       : StressState{component(random), component(random), component(random),
                                                     component(random), component(random), component(random)};
        testing_support::SetDefaultInputs(model.state(), stress);
        model.ComputeAll();
        if (trial > 0) model.state().user.rotation = RandomRotation(random);
        ExplorerNet net(model);
        net.SetLayers({true, true, true});
        net.SetField(trial % 2 ? FieldKind::SafetyFactor : FieldKind::None);
        for (const QSizeF size : {QSizeF(800, 530), QSizeF(450, 350)}) {
            for (double scale : {1.0, 1.25 * 1.25 * 1.25}) {
                SCOPED_TRACE(testing::Message() << "trial " << trial << ", " << size.width() << " x "
                                                << size.height() << ", scale " << scale);
                net.SetTextScale(scale);
                const QRectF target(QPointF(), size);
                const NetLayout layout = net.LayoutFor(target);
                std::vector<const NetLayout::Pole*> poles;
                for (const auto* set : {&layout.principal, &layout.user})
                    for (const NetLayout::Pole& pole : *set)
                        if (!pole.label.text.isEmpty()) poles.push_back(&pole);
                ASSERT_EQ(poles.size(), 6u);
                for (size_t k = 0; k < poles.size(); ++k) {
                    const QRectF& name = poles[k]->label.box;
                    const std::string text = poles[k]->label.text.toStdString();
                    EXPECT_TRUE(target.contains(name)) << text;
                    for (const QRectF& word : layout.Boxes()) EXPECT_FALSE(name.intersects(word)) << text;
                    for (size_t m = 0; m < poles.size(); ++m) {
                        if (m == k) continue;
                        const std::string other = poles[m]->label.text.toStdString();
                        EXPECT_FALSE(name.intersects(CrossBox(*poles[m])))
                            << text << " over the cross of " << other;
                        if (m < k) {
                            EXPECT_FALSE(name.intersects(poles[m]->label.box)) << text << " and " << other;
                        }
                    }
                    // Beside its own cross, not over it and not far from it.
                    EXPECT_FALSE(name.intersects(CrossBox(*poles[k]))) << text;
                    const QPointF d = name.center() - poles[k]->at;
                    EXPECT_LT(std::hypot(d.x(), d.y()), 2 * (name.width() + poles[k]->half)) << text;
                }
                ++cases;
            }
        }
    }
    EXPECT_EQ(cases, 600);
}

// Three equal principal stresses: a notice instead of the poles, clear of
// the field's name and "N".
TEST(ExplorerNetPoles, EqualStressesGiveANoticeClearOfTheWords)
{
    AnalysisModel model;
    testing_support::SetDefaultInputs(model.state(), {5, 5, 5, 0, 0, 0});
    model.ComputeAll();
    ExplorerNet net(model);
    for (FieldKind kind : {FieldKind::None, FieldKind::DilationTendency}) {
        net.SetField(kind);
        for (const QSizeF size : {QSizeF(800, 530), QSizeF(450, 350)}) {
            for (double scale : {1.0, 1.25 * 1.25 * 1.25}) {
                SCOPED_TRACE(testing::Message()
                             << static_cast<int>(kind) << ", " << size.width() << ", " << scale);
                net.SetTextScale(scale);
                const QRectF target(QPointF(), size);
                const NetLayout layout = net.LayoutFor(target);
                ASSERT_EQ(layout.notice.size(), 2u);
                for (const NetLayout::Pole& pole : layout.principal) EXPECT_TRUE(pole.label.text.isEmpty());
                for (const NetLabel& line : layout.notice) {
                    EXPECT_TRUE(target.contains(line.box));
                    for (const QRectF& word : layout.Boxes()) EXPECT_FALSE(line.box.intersects(word));
                }
            }
        }
    }
}

}  // namespace
}  // namespace tensorium
