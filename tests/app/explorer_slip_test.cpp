// The faults' slip and P and T axes on the explorer's net: arrows along the
// tangent from each pole towards the observed and the predicted slip, checked
// against the equal-area plot of lines by trend and plunge; the axes where
// that plot puts them; the pictures users see; the key; and the two layers
// remembered between runs and kept in the exercise.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <cfloat>
#include <cmath>

#include "app/explorer/explorer_net.h"
#include "app/files/exercise_file.h"
#include "app/palette_colour.h"
#include "app/planes/plane_set_document.h"
#include "core/angles.h"
#include "tests/app/explorer_fixture.h"
#include "tests/core/default_inputs.h"

namespace tensorium::testing_support {
namespace {

// A line by its trend (clockwise from North) and plunge (down; negative
// rises), in degrees.
struct Line {
    double trend = 0, plunge = 0;
};

Vec3 CosinesOf(const Line& line)
{
    const double t = DegToRad(line.trend), p = DegToRad(line.plunge);
    return {std::sin(t) * std::cos(p), std::cos(t) * std::cos(p), -std::sin(p)};
}

Line LineOf(const Vec3& v) { return {RadToDeg(std::atan2(v[0], v[1])), RadToDeg(std::asin(-v[2]))}; }

// The equal-area plot: sqrt(2) sin((90 - plunge) / 2) of the net's radius
// out along the trend, East right, North up.
QPointF Plotted(const QRectF& target, const Line& line)
{
    const double rho =
        std::sqrt(2.0) * std::sin(DegToRad(90 - line.plunge) / 2) * ExplorerNet::NetRadius(target);
    const double t = DegToRad(line.trend);
    return target.center() + QPointF(rho * std::sin(t), -rho * std::cos(t));
}

// The slip of rake r on a plane dd/d as a line: it plunges asin(-sin r sin d)
// and trends from the strike (dd - 90) by -atan2(sin r cos d, cos r), the
// up-dip side lying 90 degrees anticlockwise of the strike.
Line SlipLine(double dd, double d, double rake)
{
    const double r = DegToRad(rake), dip = DegToRad(d);
    return {dd - 90 - RadToDeg(std::atan2(std::sin(r) * std::cos(dip), std::cos(r))),
            RadToDeg(std::asin(-std::sin(r) * std::sin(dip)))};
}

Line PoleLine(double dd, double d) { return {dd + 180, 90 - d}; }

// The way the plot of `from` moves when `from` turns towards `towards` (at
// right angles to it) on their great circle: a central difference over
// 1e-5 radians. Its own error is of the order of the step squared: it
// differs from the net's arrows, worked out from the derivative itself, by
// at most 1.9e-11 rad over the faults below (measured), and is held to ten
// times that.
constexpr double kDifferenceError = 2e-10;

QPointF PlottedTangent(const QRectF& target, const Line& from, const Line& towards)
{
    const double step = 1e-5;
    const Vec3 a = CosinesOf(from), b = CosinesOf(towards);
    auto turned = [&](double angle) {
        return LineOf(Sum(Scaled(a, std::cos(angle)), Scaled(b, std::sin(angle))));
    };
    const QPointF d = Plotted(target, turned(step)) - Plotted(target, turned(-step));
    return d / std::hypot(d.x(), d.y());
}

// The angle between two directions of the target, in radians.
double AngleBetween(const QPointF& a, const QPointF& b)
{
    return std::fabs(std::atan2(a.x() * b.y() - a.y() * b.x(), a.x() * b.x() + a.y() * b.y()));
}

class ExplorerSlipNet : public ::testing::Test {
protected:
    void Analyse(const StressState& stress)
    {
        SetDefaultInputs(model.state(), stress);
        model.ComputeAll();
    }
    void Show(bool slip, bool pt, bool poles = false)
    {
        NetLayers layers;
        layers.principal = layers.joint = false;
        layers.poles = poles;
        layers.slip = slip;
        layers.pt = pt;
        net.SetLayers(layers);
    }
    QImage Picture() const
    {
        QImage image(target.size().toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        net.Paint(painter, target);
        return image;
    }

    AnalysisModel model;
    PlaneSetDocument planes{model};
    ExplorerNet net{model};
    QRectF target{0, 0, 500, 500};

    void SetUp() override { net.SetPlaneSet(&planes); }
};

TEST_F(ExplorerSlipNet, ArrowsFollowTheTangentFromThePoleTowardsTheSlip)
{
    // Dip-slip, strike-slip and oblique faults; a horizontal plane (its pole
    // at the centre) and a vertical one whose hanging wall rises (its pole on
    // the primitive circle, the arrow leading out of it).
    const MeasuredPlane faults[] = {{"normal", 90, 60, "", -90.0},  {"reverse", 90, 60, "", 90.0},
                                    {"oblique", 200, 50, "", 30.0}, {"flat", 0, 0, "", 45.0},
                                    {"upright", 315, 90, "", 90.0}, {"dextral", 120, 35, "", 180.0},
                                    {"steep", 10, 80, "", -150.0},  {"sinistral", 250, 20, "", 0.0}};
    planes.ReplaceAll(PlaneSet(std::begin(faults), std::end(faults)), "Import planes");
    const std::vector<NetFaultAt> at = net.FaultsAt(target);
    ASSERT_EQ(at.size(), std::size(faults));
    const std::vector<QPointF>& poles = net.PolesAt(target);
    for (size_t k = 0; k < at.size(); ++k) {
        const MeasuredPlane& f = faults[k];
        SCOPED_TRACE(f.name);
        EXPECT_EQ(at[k].row, static_cast<int>(k));
        EXPECT_EQ(at[k].pole, poles[k]) << "the arrow sits on the pole drawn";
        const QPointF expected =
            PlottedTangent(target, PoleLine(f.dipDirection, f.dip), SlipLine(f.dipDirection, f.dip, *f.rake));
        EXPECT_LT(AngleBetween(at[k].observed, expected), kDifferenceError);
        EXPECT_NEAR(std::hypot(at[k].observed.x(), at[k].observed.y()), 1, 4 * DBL_EPSILON);
    }
    // The vertical plane's hanging wall rising straight up leads its pole
    // (on the circle) straight out of the circle.
    EXPECT_GT(QPointF::dotProduct(at[4].observed, at[4].pole - target.center()),
              0.999 * ExplorerNet::NetRadius(target));
    // By symmetry, exactly: a normal fault dipping East moves its pole (in
    // the West) East towards the centre, a reverse one West towards the rim.
    EXPECT_EQ(at[0].observed, QPointF(1, 0));
    EXPECT_EQ(at[1].observed, QPointF(-1, 0));
}

TEST_F(ExplorerSlipNet, ThePredictedSlipFollowsTheStress)
{
    // The worked case: s1 = sz vertical and s3 = sx East drive a normal slip
    // straight down the dip of a plane dipping 60 East, as observed.
    planes.ReplaceAll({{"normal", 90, 60, "", -90.0}, {"no rake", 30, 40, ""}}, "Import planes");
    Analyse({4, 6, 10, 0, 0, 0});
    std::vector<NetFaultAt> at = net.FaultsAt(target);
    ASSERT_EQ(at.size(), 1u) << "the plane without a rake has no arrows";
    ASSERT_TRUE(at[0].predicted);
    // Measured 0: the plane's and the stress's axes are whole multiples of
    // 90 degrees apart, and every component is exact.
    EXPECT_LE(AngleBetween(*at[0].predicted, at[0].observed), 2 * DBL_EPSILON);
    // s1 East and s3 vertical drive the hanging wall up the dip: the
    // predicted arrow turns round, the observed one stays.
    Analyse({10, 6, 4, 0, 0, 0});
    at = net.FaultsAt(target);
    ASSERT_TRUE(at[0].predicted);
    EXPECT_NEAR(AngleBetween(*at[0].predicted, at[0].observed), kPi, 2 * DBL_EPSILON);
    EXPECT_EQ(at[0].observed, QPointF(1, 0));
    // Any stress and any plane: the arrow leads towards the direction of
    // the shear traction's opposite, s = -(T n - (n.T n) n), worked out here
    // from the tensor's rows.
    const StressState stress{3.4, 1, 8, 1, -1, 2};
    Analyse(stress);
    planes.Edit(0, {"oblique", 200, 50, "", 30.0});
    const double a = DegToRad(200), d = DegToRad(50);
    const Vec3 n{std::sin(a) * std::sin(d), std::cos(a) * std::sin(d), std::cos(d)};
    const Vec3 traction{stress.sx * n[0] + stress.txy * n[1] + stress.tzx * n[2],
                        stress.txy * n[0] + stress.sy * n[1] + stress.tyz * n[2],
                        stress.tzx * n[0] + stress.tyz * n[1] + stress.sz * n[2]};
    const Vec3 shear = Difference(traction, Scaled(n, Dot(n, traction)));
    at = net.FaultsAt(target);
    ASSERT_TRUE(at[0].predicted);
    EXPECT_LT(AngleBetween(*at[0].predicted, PlottedTangent(target, PoleLine(200, 50),
                                                            LineOf(Scaled(shear, -1 / Norm(shear))))),
              kDifferenceError);
    // No shear on any plane: no predicted slip.
    Analyse({7, 7, 7, 0, 0, 0});
    at = net.FaultsAt(target);
    EXPECT_FALSE(at[0].predicted);
    // A rake edited in the table turns the observed arrow.
    planes.Edit(0, {"reverse", 90, 60, "", 90.0});
    at = net.FaultsAt(target);
    EXPECT_EQ(at[0].observed, QPointF(-1, 0));
}

TEST_F(ExplorerSlipNet, PAndTAxesLieWhereTheyPlot)
{
    // A normal fault dipping d East: P plunges 135 - d West, T plunges
    // d - 45 East (both 45 degrees from the pole and the slip in the
    // vertical plane of the dip); a reverse fault swaps them.
    const double dips[] = {60, 70, 85};
    PlaneSet set;
    for (double d : dips) {
        set.push_back({"normal", 90, d, "", -90.0});
        set.push_back({"reverse", 90, d, "", 90.0});
    }
    planes.ReplaceAll(set, "Import planes");
    const std::vector<NetFaultAt> at = net.FaultsAt(target);
    ASSERT_EQ(at.size(), set.size());
    // The positions from the two formulas differ by at most 0.64 eps of the
    // radius (measured).
    const double r = ExplorerNet::NetRadius(target), tolerance = 2 * DBL_EPSILON * r;
    for (size_t k = 0; k < at.size(); ++k) {
        const double d = set[k].dip;
        SCOPED_TRACE(testing::Message() << set[k].name << " " << d);
        const Line steep{270, 135 - d}, shallow{90, d - 45};
        const bool normal = *set[k].rake < 0;
        const QPointF p = Plotted(target, normal ? steep : shallow),
                      t = Plotted(target, normal ? shallow : steep);
        EXPECT_NEAR(at[k].p.x(), p.x(), tolerance);
        EXPECT_NEAR(at[k].p.y(), p.y(), tolerance);
        EXPECT_NEAR(at[k].t.x(), t.x(), tolerance);
        EXPECT_NEAR(at[k].t.y(), t.y(), tolerance);
        // A normal fault's P axis is steeper than its T axis, a reverse
        // fault's shallower: nearer the centre and further from it.
        const QPointF c = target.center();
        const double p0 = std::hypot(at[k].p.x() - c.x(), at[k].p.y() - c.y()),
                     t0 = std::hypot(at[k].t.x() - c.x(), at[k].t.y() - c.y());
        EXPECT_EQ(p0 < t0, normal);
    }
}

// The pixels of `picture` within `reach` of `at` whose colour lies within
// `by` levels of `colour`, as offsets from `at`.
std::vector<QPointF> PixelsNear(const QImage& picture, const QPointF& at, double reach, const QColor& colour,
                                int by)
{
    std::vector<QPointF> found;
    for (int y = static_cast<int>(at.y() - reach); y <= at.y() + reach; ++y)
        for (int x = static_cast<int>(at.x() - reach); x <= at.x() + reach; ++x) {
            const QPointF offset = QPointF(x + 0.5, y + 0.5) - at;
            if (std::hypot(offset.x(), offset.y()) > reach) continue;
            const QRgb p = picture.pixel(x, y);
            if (std::abs(qRed(p) - colour.red()) <= by && std::abs(qGreen(p) - colour.green()) <= by &&
                std::abs(qBlue(p) - colour.blue()) <= by)
                found.push_back(offset);
        }
    return found;
}

// How far the pixels reach across `direction` (either side) among those
// ahead of the pole along it (more than a pixel), and among those behind.
std::pair<double, double> WidthAheadAndBehind(const std::vector<QPointF>& offsets, const QPointF& direction)
{
    double ahead = 0, behind = 0;
    for (const QPointF& o : offsets) {
        const double along = o.x() * direction.x() + o.y() * direction.y();
        const double across = std::fabs(o.y() * direction.x() - o.x() * direction.y());
        if (along > 1) ahead = std::max(ahead, across);
        if (along < -1) behind = std::max(behind, across);
    }
    return {ahead, behind};
}

// How far across `direction` the pixels lie on average.
double MeanAcross(const std::vector<QPointF>& offsets, const QPointF& direction)
{
    double sum = 0;
    for (const QPointF& o : offsets) sum += o.y() * direction.x() - o.x() * direction.y();
    return offsets.empty() ? 0 : sum / offsets.size();
}

TEST_F(ExplorerSlipNet, ThePictureShowsTheArrowsHeadFirstAndTheAxes)
{
    // Strike-slip seen on a plane on which the stress drives dip-slip: the
    // two arrows apart.
    planes.ReplaceAll({{"", 90, 60, "", 0.0}}, "Import planes");
    Analyse({4, 6, 10, 0, 0, 0});
    target = QRectF(0, 0, 1000, 1000);  // arrows 35 px long, heads 15
    const NetFaultAt fault = net.FaultsAt(target)[0];
    ASSERT_TRUE(fault.predicted);
    const QColor seen = ColourOf(palette::kObservedSlip), driven = ColourOf(palette::kPredictedSlip);
    const double reach = 60;

    Show(false, false);
    const QImage off = Picture();
    EXPECT_TRUE(PixelsNear(off, fault.pole, reach, seen, 80).empty());
    EXPECT_TRUE(PixelsNear(off, fault.pole, reach, driven, 40).empty());
    Show(true, false);
    const QImage on = Picture();
    const std::vector<QPointF> black = PixelsNear(on, fault.pole, reach, seen, 80);
    const std::vector<QPointF> crimson = PixelsNear(on, fault.pole, reach, driven, 40);
    EXPECT_GT(black.size(), 60u);
    EXPECT_GT(crimson.size(), 30u);
    // Each arrow's head, wide, lies ahead of the pole along it, its shaft,
    // narrow, behind; and the pixels lie along it, not to one side.
    const auto [blackAhead, blackBehind] = WidthAheadAndBehind(black, fault.observed);
    const auto [crimsonAhead, crimsonBehind] = WidthAheadAndBehind(crimson, *fault.predicted);
    // Measured 5.7 px against 1.7, and 4.5 against 0.5.
    EXPECT_GT(blackAhead, 2 * blackBehind);
    EXPECT_GT(crimsonAhead, 2 * crimsonBehind);
    EXPECT_LT(std::fabs(MeanAcross(black, fault.observed)), 1.0);
    EXPECT_LT(std::fabs(MeanAcross(crimson, *fault.predicted)), 1.0);
    for (const QPointF& o : black) EXPECT_LT(std::hypot(o.x(), o.y()), 24) << "centred on the pole";

    // Selected: thicker.
    planes.Select({0});
    EXPECT_GT(PixelsNear(Picture(), fault.pole, reach, seen, 80).size(), 3 * black.size() / 2);
    planes.Select({});

    // No shear: the observed arrow alone.
    Analyse({7, 7, 7, 0, 0, 0});
    EXPECT_TRUE(PixelsNear(Picture(), fault.pole, reach, driven, 40).empty());
    EXPECT_FALSE(PixelsNear(Picture(), fault.pole, reach, seen, 80).empty());

    // P a dark dot, T a light one in a dark ring.
    Show(false, true);
    const QImage axes = Picture();
    const QPoint p(static_cast<int>(std::floor(fault.p.x())), static_cast<int>(std::floor(fault.p.y())));
    const QPoint t(static_cast<int>(std::floor(fault.t.x())), static_cast<int>(std::floor(fault.t.y())));
    EXPECT_LT(qGray(axes.pixel(p)), 60);
    EXPECT_EQ(off.pixel(p), qRgb(255, 255, 255));
    EXPECT_GT(qGray(axes.pixel(t)), 200);
    EXPECT_GT(PixelsNear(axes, fault.t, 12, Qt::black, 90).size(), 12u) << "ringed";
    EXPECT_TRUE(PixelsNear(off, fault.t, 12, Qt::black, 90).empty());
}

TEST_F(ExplorerSlipNet, PlanesWithoutARakeDrawNothing)
{
    planes.ReplaceAll({{"a", 90, 60, ""}, {"b", 200, 30, ""}}, "Import planes");
    Analyse({4, 6, 10, 0, 0, 0});
    Show(false, false);
    const QImage off = Picture();
    Show(true, true);
    EXPECT_TRUE(net.FaultsAt(target).empty());
    EXPECT_TRUE(net.LayoutFor(target).key.empty()) << "no key to nothing";
    EXPECT_TRUE(Picture() == off);
    planes.Edit(1, {"b", 200, 30, "", -90.0});
    EXPECT_EQ(net.FaultsAt(target).size(), 1u);
    EXPECT_FALSE(Picture() == off);
}

TEST_F(ExplorerSlipNet, TheKeyNamesWhatIsDrawnClearOfEverythingElse)
{
    planes.ReplaceAll({{"a", 90, 60, "", -90.0}}, "Import planes");
    Analyse({4, 6, 10, 0, 0, 0});
    using Symbol = NetLayout::KeySymbol;
    for (FieldKind kind : {FieldKind::None, FieldKind::SlipTendency, FieldKind::SafetyFactor}) {
        net.SetField(kind);
        for (const QSizeF size : {QSizeF(900, 600), QSizeF(450, 350), QSizeF(360, 640)}) {
            for (double scale : {1.0, 1.25 * 1.25 * 1.25}) {
                SCOPED_TRACE(testing::Message() << "field " << static_cast<int>(kind) << ", " << size.width()
                                                << " x " << size.height() << ", scale " << scale);
                net.SetTextScale(scale);
                const QRectF box(QPointF(), size);
                const QPointF centre = box.center();
                const double r = ExplorerNet::NetRadius(box);
                Show(true, true);
                const NetLayout layout = net.LayoutFor(box);
                ASSERT_EQ(layout.key.size(), 4u);
                EXPECT_EQ(layout.key[0].symbol, Symbol::ObservedSlip);
                EXPECT_EQ(layout.key[1].symbol, Symbol::PredictedSlip);
                EXPECT_EQ(layout.key[2].label.text, "P axis");
                EXPECT_EQ(layout.key[3].label.text, "T axis");
                const std::vector<QRectF> boxes = layout.Boxes();
                for (size_t k = 0; k < boxes.size(); ++k) {
                    EXPECT_TRUE(box.contains(boxes[k])) << k;
                    const double x = std::clamp(centre.x(), boxes[k].left(), boxes[k].right());
                    const double y = std::clamp(centre.y(), boxes[k].top(), boxes[k].bottom());
                    EXPECT_GT(std::hypot(x - centre.x(), y - centre.y()), r) << k;
                    for (size_t m = 0; m < k; ++m)
                        EXPECT_FALSE(boxes[k].intersects(boxes[m])) << k << ", " << m;
                }
                Show(false, true);
                EXPECT_EQ(net.LayoutFor(box).key.size(), 2u);
                Show(false, false);
                EXPECT_TRUE(net.LayoutFor(box).key.empty());
            }
        }
    }
    // Without shear there is no predicted slip to name.
    net.SetTextScale(1);
    Analyse({7, 7, 7, 0, 0, 0});
    Show(true, false);
    const NetLayout layout = net.LayoutFor(target);
    ASSERT_EQ(layout.key.size(), 1u);
    EXPECT_EQ(layout.key[0].label.text, "observed slip");
}

TEST_F(ExplorerSlipNet, FilesGetTheArrowsAsVectors)
{
    planes.ReplaceAll({{"", 90, 60, "", 0.0}}, "Import planes");
    Analyse({4, 6, 10, 0, 0, 0});
    net.resize(500, 500);
    const QByteArray crimson = ColourOf(palette::kPredictedSlip).name().toUtf8();
    Show(false, false);
    EXPECT_FALSE(net.ToSvg().contains(crimson));
    Show(true, true);
    const QByteArray svg = net.ToSvg();
    EXPECT_TRUE(svg.contains("fill=\"" + crimson + "\"")) << "the predicted arrow's head";
    EXPECT_TRUE(svg.contains("stroke=\"" + crimson + "\"")) << "its shaft";
    EXPECT_TRUE(svg.contains("observed slip"));
    EXPECT_FALSE(svg.contains("<image")) << "vectors, not a picture";
}

// The explorer window: the two check boxes, remembered for the next run and
// kept in the lesson and in the exercise file.
class ExplorerSlipLayers : public ExplorerTest {
protected:
    QCheckBox* Box(const char* name) const { return explorer->findChild<QCheckBox*>(name); }
};

TEST_F(ExplorerSlipLayers, HaveTheirOwnKeysAndAreRememberedForTheNextRun)
{
    ASSERT_NE(Box("chkExplorerSlip"), nullptr);
    ASSERT_NE(Box("chkExplorerPT"), nullptr);
    // Each mnemonic its own among the explorer's controls.
    auto mnemonic = [](const QString& text) {
        const int at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
    };
    QStringList others;
    for (const QCheckBox* box : explorer->findChildren<QCheckBox*>()) others << box->text();
    for (const QLabel* label : explorer->findChildren<QLabel*>()) others << label->text();
    for (const char* name : {"chkExplorerSlip", "chkExplorerPT"})
        EXPECT_FALSE(mnemonic(Box(name)->text()).isNull()) << name;
    for (const QString& text : others) {
        const QChar key = mnemonic(text);
        if (key.isNull()) continue;
        int uses = 0;
        for (const QString& other : others) uses += mnemonic(other) == key;
        EXPECT_EQ(uses, 1) << text.toStdString() << " shares its key";
    }
    EXPECT_FALSE(Box("chkExplorerSlip")->isChecked()) << "off at the first run";
    EXPECT_FALSE(Box("chkExplorerPT")->isChecked());
    Box("chkExplorerSlip")->setChecked(true);
    explorer->close();
    EXPECT_TRUE(OpenSettings()->value("explorer/slip").toBool());
    EXPECT_FALSE(OpenSettings()->value("explorer/pt").toBool());

    for (bool slip : {true, false}) {
        window.reset();
        window = std::make_unique<TFrmTensorium>();
        window->show();
        Action("mnuStressExplorer")->trigger();
        explorer = window->findChild<FrmExplorer*>("FrmExplorer");
        ASSERT_NE(explorer, nullptr);
        EXPECT_EQ(Box("chkExplorerSlip")->isChecked(), slip);
        EXPECT_EQ(Box("chkExplorerPT")->isChecked(), !slip);
        Box("chkExplorerSlip")->setChecked(!slip);
        Box("chkExplorerPT")->setChecked(slip);
        explorer->close();
    }
}

TEST_F(ExplorerSlipLayers, TravelInTheLessonAndTheExerciseFile)
{
    for (bool slip : {true, false})
        for (bool pt : {true, false}) {
            SCOPED_TRACE(testing::Message() << "slip " << slip << ", pt " << pt);
            ExplorerLesson lesson;
            lesson.poles = true;
            lesson.slip = slip;
            lesson.pt = pt;
            explorer->ShowLesson(lesson);
            EXPECT_EQ(Box("chkExplorerSlip")->isChecked(), slip);
            EXPECT_EQ(Box("chkExplorerPT")->isChecked(), pt);
            EXPECT_TRUE(explorer->Lesson() == lesson);

            Exercise exercise;
            exercise.explorer = explorer->Lesson();
            const ExerciseReading back = ParseExercise(ExerciseDocument(exercise, "."), "x.tensorium", ".");
            ASSERT_TRUE(back.ok()) << back.problem.toStdString();
            ASSERT_TRUE(back.exercise.explorer);
            EXPECT_EQ(back.exercise.explorer->slip, slip);
            EXPECT_EQ(back.exercise.explorer->pt, pt);
            EXPECT_TRUE(*back.exercise.explorer == lesson);
        }

    // Files written before the faults' layers open with both off; a layer
    // that is not true or false is named.
    Exercise exercise;
    ExplorerLesson lesson;
    lesson.slip = lesson.pt = true;
    exercise.explorer = lesson;
    QJsonObject document = QJsonDocument::fromJson(ExerciseDocument(exercise, ".")).object();
    QJsonObject explorerPart = document.value("explorer").toObject();
    QJsonObject layers = explorerPart.value("layers").toObject();
    ASSERT_TRUE(layers.value("slip").toBool());
    ASSERT_TRUE(layers.value("pt").toBool());
    layers.remove("slip");
    layers.remove("pt");
    explorerPart.insert("layers", layers);
    document.insert("explorer", explorerPart);
    const ExerciseReading older = ParseExercise(QJsonDocument(document).toJson(), "x.tensorium", ".");
    ASSERT_TRUE(older.ok()) << older.problem.toStdString();
    EXPECT_FALSE(older.exercise.explorer->slip);
    EXPECT_FALSE(older.exercise.explorer->pt);
    layers.insert("pt", "yes");
    explorerPart.insert("layers", layers);
    document.insert("explorer", explorerPart);
    const ExerciseReading damaged = ParseExercise(QJsonDocument(document).toJson(), "x.tensorium", ".");
    EXPECT_TRUE(damaged.problem.contains("\"explorer.layers.pt\" is not true or false"))
        << damaged.problem.toStdString();
}

}  // namespace
}  // namespace tensorium::testing_support
