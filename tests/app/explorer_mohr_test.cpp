// The explorer's Mohr diagram measured: where its texts go (inside the
// diagram, apart, at their values), its numbers as text in SVG files, the
// pore pressure's shift and the joint's colour in the pixels users see.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

#include "app/explorer/explorer_mohr.h"
#include "core/analysis_model.h"
#include "tests/app/image_difference.h"
#include "tests/core/default_inputs.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

using testing_support::LargestDifference;

using Role = MohrLabel::Role;

// Three steps of Ctrl++ in the explorer.
constexpr double kLargeText = 1.25 * 1.25 * 1.25;
const StressState kDefaults{3.4, 1, 8, 1, -1, 2};

std::unique_ptr<AnalysisModel> Analysed(const StressState& stress, double porePressure = 0)
{
    auto model = std::make_unique<AnalysisModel>();
    testing_support::SetDefaultInputs(model->state(), stress);
    model->ComputeAll();
    model->SetPorePressure(porePressure);
    return model;
}

std::vector<MohrLabel> Having(const MohrLayout& layout, Role role)
{
    std::vector<MohrLabel> found;
    for (const MohrLabel& label : layout.labels)
        if (label.role == role) found.push_back(label);
    return found;
}

std::string Name(const QRectF& r)
{
    return QString("(%1, %2, %3 x %4)")
        .arg(r.left())
        .arg(r.top())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

struct Case {
    const char* name;
    StressState stress;
    double porePressure;
    QStringList principal;  // the labels on the axis, left to right
};

// The default state, equal pairs, sigma' below zero, and p beyond s1.
const Case kCases[] = {
    {"defaults", kDefaults, 0, {"s3", "s2", "s1"}},
    {"s2 = s3", {5, 5, 8, 0, 0, 0}, 0, {"s2 = s3", "s1"}},
    {"s1 = s2", {8, 8, 5, 0, 0, 0}, 0, {"s3", "s1 = s2"}},
    {"all equal", {5, 5, 5, 0, 0, 0}, 0, {"s1 = s2 = s3"}},
    {"negative sigma'", kDefaults, 4, {"s3", "s2", "s1"}},
    {"p beyond s1", kDefaults, 12, {"s3", "s2", "s1"}},
};

TEST(ExplorerMohrLayout, TextsStayInsideTheDiagramApartAndAtTheirValues)
{
    for (const Case& c : kCases) {
        const auto model = Analysed(c.stress, c.porePressure);
        ExplorerMohr mohr(*model);
        for (const QSizeF size : {QSizeF(900, 600), QSizeF(400, 300)}) {
            for (const double scale : {1.0, kLargeText}) {
                SCOPED_TRACE(::testing::Message() << c.name << " at " << size.width() << " x "
                                                  << size.height() << ", text scale " << scale);
                mohr.SetTextScale(scale);
                const QRectF target(QPointF(7, 11), size);
                const MohrLayout layout = mohr.LayoutFor(target);
                const MohrFrame& f = layout.frame;

                // Inside the target, and no two texts over each other.
                for (size_t i = 0; i < layout.labels.size(); ++i) {
                    const MohrLabel& a = layout.labels[i];
                    EXPECT_TRUE(target.contains(a.rect)) << a.text.toStdString() << " " << Name(a.rect);
                    for (size_t j = i + 1; j < layout.labels.size(); ++j) {
                        const MohrLabel& b = layout.labels[j];
                        EXPECT_FALSE(a.rect.intersects(b.rect))
                            << a.text.toStdString() << " " << Name(a.rect) << " over " << b.text.toStdString()
                            << " " << Name(b.rect);
                    }
                    if (a.role != Role::legend) {
                        EXPECT_FALSE(layout.legend.intersects(a.rect))
                            << "the legend covers " << a.text.toStdString();
                    }
                }
                EXPECT_TRUE(target.contains(layout.legend)) << Name(layout.legend);

                // The legend covers no circle, with or without the pore pressure.
                const PrincipalResult& s = model->state().principal;
                for (double shift : {c.porePressure, 0.0})
                    for (const MohrPoint& p : UpperHalfCircle(s.s1 - shift, s.s3 - shift))
                        EXPECT_FALSE(layout.legend.contains(ExplorerMohr::At(f, p.sigma, p.tau)));

                // Numbers under the sigma axis, left to right at their values.
                const std::vector<MohrLabel> sigma = Having(layout, Role::sigmaTick);
                EXPECT_GE(sigma.size(), 3u);
                EXPECT_GE(layout.ticks.count, 3);
                EXPECT_LE(layout.ticks.count, 8);
                for (size_t k = 0; k < sigma.size(); ++k) {
                    EXPECT_NEAR(sigma[k].rect.center().x(), f.X(sigma[k].value), 0.5)
                        << sigma[k].text.toStdString();
                    EXPECT_GT(sigma[k].rect.top(), f.Y(0));
                    if (k > 0) {
                        EXPECT_GT(sigma[k].value, sigma[k - 1].value);
                        EXPECT_GT(sigma[k].rect.left(), sigma[k - 1].rect.right());
                    }
                }
                // tau at the same step, left of its axis at their values.
                for (const MohrLabel& tau : Having(layout, Role::tauTick)) {
                    EXPECT_NEAR(tau.rect.center().y(), f.Y(tau.value), 0.5) << tau.text.toStdString();
                    EXPECT_LT(tau.rect.right(), f.X(0));
                    const double steps = tau.value / layout.ticks.step;
                    EXPECT_NEAR(steps, std::round(steps), 1e-9);
                }

                // One label for each distinct principal stress, at its point.
                QStringList principal;
                for (const MohrLabel& label : Having(layout, Role::principal)) {
                    principal << label.text;
                    EXPECT_NEAR(label.rect.center().x(), f.X(label.value), 0.5);
                    EXPECT_GT(label.rect.top(), f.Y(0));
                }
                EXPECT_EQ(principal, c.principal);
                EXPECT_EQ(Having(layout, Role::axisTitle).size(), 2u);
                EXPECT_EQ(Having(layout, Role::joint).size(), 1u);
                EXPECT_EQ(Having(layout, Role::legend).size(), c.porePressure != 0 ? 3u : 2u);
            }
        }
    }
}

// Every <text> of an SVG file: its words and where its baseline starts.
struct SvgText {
    QString text;
    double x = 0, y = 0;
};
std::vector<SvgText> TextsOf(const QByteArray& svg)
{
    std::vector<SvgText> texts;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) {
            SvgText t;
            t.x = xml.attributes().value("x").toDouble();
            t.y = xml.attributes().value("y").toDouble();
            t.text = xml.readElementText();
            texts.push_back(t);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

TEST(ExplorerMohrLayout, TickNumbersAreTextInSvgFilesWithTheRegionalSeparator)
{
    // Stresses under 1, so that the numbers have decimals.
    const auto model = Analysed({0.34, 0.1, 0.8, 0.1, -0.1, 0.2});
    ExplorerMohr mohr(*model);
    mohr.resize(900, 600);
    mohr.SetTextScale(kLargeText);
    for (const QString separator : {",", "."}) {
        mohr.SetDecimalSeparator(separator);
        const MohrLayout layout = mohr.LayoutFor(QRectF(mohr.rect()));
        const std::vector<SvgText> texts = TextsOf(mohr.ToSvg());
        int numbers = 0, withSeparator = 0;
        for (Role role : {Role::sigmaTick, Role::tauTick}) {
            for (const MohrLabel& label : Having(layout, role)) {
                // The text of these words nearest to where the label was laid out
                // (the numbers of the two axes repeat each other).
                auto distance = [&](const SvgText& t) {
                    return std::hypot(t.x - label.baseline.x(), t.y - label.baseline.y());
                };
                const SvgText* it = nullptr;
                for (const SvgText& t : texts)
                    if (t.text == label.text && (!it || distance(t) < distance(*it))) it = &t;
                ASSERT_NE(it, nullptr) << label.text.toStdString();
                // Placed as laid out, to the 1/64 px of the toolkit's text positions.
                EXPECT_NEAR(it->x, label.baseline.x(), 1.0 / 64);
                EXPECT_NEAR(it->y, label.baseline.y(), 1.0 / 64);
                const double advance = QFontMetricsF(layout.tickFont).horizontalAdvance(label.text);
                if (role == Role::sigmaTick) {
                    EXPECT_NEAR(it->x + advance / 2, layout.frame.X(label.value), 0.5)
                        << label.text.toStdString();
                }
                ++numbers;
                if (label.text.contains(separator)) ++withSeparator;
                const QString other = separator == "," ? "." : ",";
                EXPECT_FALSE(label.text.contains(other)) << label.text.toStdString();
            }
        }
        EXPECT_GE(numbers, 4);
        EXPECT_GE(withSeparator, 3) << "decimals, with the separator set";
    }
}

bool Near(QRgb c, const Rgb& colour, int by)
{
    return std::abs(qRed(c) - colour.red) <= by && std::abs(qGreen(c) - colour.green) <= by &&
           std::abs(qBlue(c) - colour.blue) <= by;
}

QImage Render(const ExplorerDiagram& diagram, const QSize& size, const QRectF& target)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    diagram.Paint(painter, target);
    return image;
}

TEST(ExplorerMohrPicture, PorePressureMovesTheCirclesLeftAndLeavesFaintOutlines)
{
    const auto model = Analysed(kDefaults);
    ExplorerMohr mohr(*model);
    const QRectF target(0, 0, 900, 600);
    const PrincipalResult s = model->state().principal;
    const double centre = s.s1 / 2 + s.s3 / 2, radius = s.s1 / 2 - s.s3 / 2;
    double lastScale = HUGE_VAL;
    for (int step = 0; step <= 10; ++step) {
        const double p = s.s1 * step / 10;
        model->SetPorePressure(p);
        const MohrFrame f = mohr.FrameFor(target);
        SCOPED_TRACE(p);
        // Both sets of circles in the plot, and the scale only ever shrinks.
        for (double sigma : {s.s3 - p, s.s1 - p, s.s3, s.s1}) {
            EXPECT_GT(f.X(sigma), f.plot.left);
            EXPECT_LT(f.X(sigma), f.plot.Right());
        }
        EXPECT_GT(f.Y(radius), f.plot.top);
        EXPECT_LE(f.pxPerUnit, lastScale);
        lastScale = f.pxPerUnit;
    }

    model->SetPorePressure(3);
    const MohrFrame f = mohr.FrameFor(target);
    const QImage image = Render(mohr, target.size().toSize(), target);
    // The black circle's top moved left by p: dark there.
    const QPoint moved = ExplorerMohr::At(f, centre - 3, radius).toPoint();
    const QRgb top = image.pixel(moved);
    EXPECT_TRUE(qRed(top) < 90 && qGreen(top) < 90 && qBlue(top) < 90) << QColor(top).name().toStdString();
    // Where it stood without p, a faint grey outline: some grey and
    // no dark pixels along its upper part.
    int grey = 0, dark = 0;
    for (int degree = 60; degree <= 120; ++degree) {
        const double a = degree * M_PI / 180;
        const QRgb c =
            image.pixel(ExplorerMohr::At(f, centre + radius * std::cos(a), radius * std::sin(a)).toPoint());
        const bool neutral = std::abs(qRed(c) - qGreen(c)) < 12 && std::abs(qGreen(c) - qBlue(c)) < 12;
        if (neutral && qRed(c) > 120 && qRed(c) < 235) ++grey;
        if (qRed(c) < 90) ++dark;
    }
    EXPECT_GT(grey, 20);
    EXPECT_EQ(dark, 0);
}

// Painted a second time, the circles, axes and texts come from a picture:
// it must show what a direct paint shows, the joint must move over it, and
// a new pressure, stress, strength or size must not reuse it.
TEST(ExplorerMohrPicture, TheKeptPictureShowsWhatADirectPaintShows)
{
    const auto model = Analysed(kDefaults, 1);
    ExplorerMohr mohr(*model);
    const QSize size(620, 420);
    const QRectF target(10, 10, 600, 400);
    auto fresh = [&] {
        ExplorerMohr direct(*model);
        return Render(direct, size, target);
    };
    const QImage first = Render(mohr, size, target);
    Render(mohr, size, target);  // makes the picture
    EXPECT_EQ(LargestDifference(Render(mohr, size, target), first), 0);

    const struct {
        const char* name;
        std::function<void()> change;
    } changes[] = {
        {"the joint",
         [&] {
             model->state().joint.azimuth += 0.6;
             model->state().joint.dip += 0.3;
             model->ComputeJointStresses();
         }},
        {"the pore pressure", [&] { model->SetPorePressure(2.5); }},
        {"the friction angle",
         [&] {
             model->state().joint.phi = 12;
             model->ComputeJointStresses();
         }},
        {"the stress",
         [&] {
             testing_support::SetDefaultInputs(model->state(), {5, 1, 8, 1, -1, 2});
             model->ComputeAll();
         }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        Render(mohr, size, target);
        Render(mohr, size, target);  // the picture of the state before
        const QImage before = Render(mohr, size, target);
        c.change();
        const QImage after = Render(mohr, size, target);
        EXPECT_GT(LargestDifference(after, before), 100) << "the change does not show";
        EXPECT_EQ(LargestDifference(after, fresh()), 0);
    }
    // Another size or place in the same painter.
    const QRectF moved(0, 0, 500, 300);
    EXPECT_EQ(LargestDifference(Render(mohr, size, moved),
                                [&] {
                                    ExplorerMohr direct(*model);
                                    return Render(direct, size, moved);
                                }()),
              0);
}

TEST(ExplorerMohrPicture, TheJointIsRedWhenItSlipsGreenWhenItHoldsAndOrangeWithoutAFactor)
{
    const auto model = Analysed(kDefaults);
    ExplorerMohr mohr(*model);
    const QRectF target(0, 0, 600, 400);
    ASSERT_TRUE(model->state().jointStability.safetyFactor.has_value());
    const double computed = *model->state().jointStability.safetyFactor;
    const struct {
        std::optional<double> safety;
        Rgb colour;
    } cases[] = {{computed, computed <= 1 ? palette::kUnsafe : palette::kSafe},
                 {0.4, palette::kUnsafe},
                 {1.0, palette::kUnsafe},
                 {1.0 + 1e-12, palette::kSafe},
                 {2.5, palette::kSafe},
                 {std::nullopt, palette::kJointHandle}};
    for (const auto& c : cases) {
        model->state().jointStability.safetyFactor = c.safety;
        const QImage image = Render(mohr, target.size().toSize(), target);
        const QRgb at = image.pixel(mohr.JointPointAt(target).toPoint());
        EXPECT_TRUE(Near(at, c.colour, 2))
            << c.safety.value_or(-1) << ": " << QColor(at).name().toStdString();
    }
}

TEST(ExplorerMohrPicture, DegenerateAndExtremeStatesDrawOnlyInsideTheTarget)
{
    const struct {
        const char* name;
        StressState stress;
        QStringList principal;
    } cases[] = {{"zero", {0, 0, 0, 0, 0, 0}, {"s1 = s2 = s3"}},
                 {"all equal", {-5, -5, -5, 0, 0, 0}, {"s1 = s2 = s3"}},
                 {"huge", {1e300, 2e299, 5e299, 1e299, 0, 0}, {"s3", "s2", "s1"}},
                 {"tiny", {1e-300, 2e-301, 5e-301, 1e-301, 0, 0}, {"s3", "s2", "s1"}}};
    const QSize image(520, 420);
    const QRectF target(60, 50, 400, 300);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto model = Analysed(c.stress);
        ExplorerMohr mohr(*model);
        for (const double scale : {1.0, kLargeText}) {
            mohr.SetTextScale(scale);
            const MohrLayout layout = mohr.LayoutFor(target);
            EXPECT_TRUE(std::isfinite(layout.frame.pxPerUnit) && layout.frame.pxPerUnit > 0);
            QStringList principal;
            for (const MohrLabel& label : layout.labels) {
                EXPECT_TRUE(target.contains(label.rect))
                    << label.text.toStdString() << " " << Name(label.rect);
                if (label.role == Role::principal) principal << label.text;
            }
            EXPECT_EQ(principal, c.principal);
            EXPECT_GE(Having(layout, Role::sigmaTick).size(), 2u);

            const QImage picture = Render(mohr, image, target);
            int outside = 0, inside = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool magenta = picture.pixel(x, y) == QColor(Qt::magenta).rgb();
                    if (target.contains(QPointF(x + 0.5, y + 0.5)) ? magenta : !magenta)
                        ++(target.contains(QPointF(x + 0.5, y + 0.5)) ? inside : outside);
                }
            EXPECT_EQ(outside, 0) << "pixels painted outside the target";
            EXPECT_EQ(inside, 0) << "pixels of the target left unpainted";
        }
    }
}

TEST(ExplorerMohrLayout, TextsTicksAndMarksGrowWithTheTextScale)
{
    const auto model = Analysed(kDefaults, 2);
    ExplorerMohr mohr(*model);
    const QRectF target(0, 0, 900, 600);
    const MohrLayout normal = mohr.LayoutFor(target);
    mohr.SetTextScale(kLargeText);
    const MohrLayout large = mohr.LayoutFor(target);
    EXPECT_NEAR(large.tickLength / normal.tickLength, kLargeText, 4 * DBL_EPSILON * kLargeText);
    // Fonts are whole pixels: 15 to 18 px grow to 29 to 35 px, at least 1.86 times.
    for (Role role : {Role::sigmaTick, Role::principal, Role::axisTitle, Role::legend, Role::joint}) {
        const double before = Having(normal, role).front().rect.height();
        const double after = Having(large, role).front().rect.height();
        EXPECT_GT(after / before, 1.8) << static_cast<int>(role);
    }
    EXPECT_GT(large.legend.width() / normal.legend.width(), 1.8);
}

}  // namespace
}  // namespace tensorium
