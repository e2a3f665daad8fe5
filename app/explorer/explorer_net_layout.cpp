// Where the net's words and legend go: measured with the fonts they are drawn
// in, placed in the room the primitive circle leaves, and made smaller only
// when the text scale asks for more room than the target has.
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "app/explorer/colour_map.h"
#include "app/explorer/explorer_net.h"
#include "core/equal_stresses.h"

namespace tensorium {
namespace {

QFont Scaled(QFont font, double factor)
{
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(font.pixelSize() * factor))));
    return font;
}

QSizeF TextSize(const QFont& font, const QString& text)
{
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// A box of `size` with its centre at `centre`.
QRectF Centred(const QPointF& centre, const QSizeF& size)
{
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

bool ClearOfCircle(const QRectF& box, const QPointF& centre, double reach)
{
    const double x = std::clamp(centre.x(), box.left(), box.right());
    const double y = std::clamp(centre.y(), box.top(), box.bottom());
    return std::hypot(x - centre.x(), y - centre.y()) > reach;
}

const QString kNames[] = {"", "Slip tendency", "Dilation tendency", "Safety factor"};

}  // namespace

QPointF NetLayout::BarAt(double t) const
{
    if (upright) return {bar.center().x(), bar.bottom() - t * bar.height()};
    return {bar.left() + t * bar.width(), bar.center().y()};
}

std::vector<QRectF> NetLayout::Boxes() const
{
    std::vector<QRectF> boxes{north.box};
    for (const KeyEntry& entry : key) boxes.push_back(entry.mark.united(entry.label.box));
    if (!legend) return boxes;
    boxes.push_back(name.box);
    boxes.push_back(bar);
    for (const NetLabel& label : values) boxes.push_back(label.box);
    if (!openedSwatch.isEmpty()) boxes.push_back(openedSwatch);
    for (const NetLabel& label : openedLabels) boxes.push_back(label.box);
    if (!marker.isEmpty()) boxes.push_back(marker);
    return boxes;
}

NetLayout ExplorerNet::LayoutFor(const QRectF& target) const
{
    const QPointF centre = target.center();
    const double reach = NetRadius(target) + Line(target, 1.5) / 2;
    auto fits = [&](const NetLayout& layout) {
        const std::vector<QRectF> boxes = layout.Boxes();
        for (size_t k = 0; k < boxes.size(); ++k) {
            if (!target.contains(boxes[k]) || !ClearOfCircle(boxes[k], centre, reach)) return false;
            for (size_t m = 0; m < k; ++m)
                if (boxes[k].intersects(boxes[m])) return false;
        }
        return true;
    };
    const bool wide = target.width() >= target.height();
    NetLayout layout;
    // Text as large as asked for when it fits; smaller, step by step, when
    // the text scale asks for more room than the target leaves.
    for (double factor = 1; factor > 0.3; factor -= 0.05) {
        bool found = false;
        for (bool upright : {wide, !wide}) {
            layout = LayoutAt(target, factor, upright);
            PlaceKey(layout, target);
            if ((found = fits(layout))) break;
            if (kind_ == FieldKind::None) break;
        }
        if (found) break;
    }
    PlacePoles(layout, target);
    return layout;
}

// Each pole's name goes in the first of eight places round its cross that is
// inside the target and clear of every other cross, name and word of the
// legend; where none is, in the place that covers least. The principal axes
// choose first.
void ExplorerNet::PlacePoles(NetLayout& layout, const QRectF& target) const
{
    layout.poleFont = TextFont(target, 12);
    const PrincipalResult& p = State().principal;
    const EqualStresses equal = EqualPrincipalStresses(p);
    const char* userNames[3] = {"x'", "y'", "z'"};
    for (int k = 0; k < 3; ++k) {
        // The axes of an equal pair are not determined: the plane normal to
        // the distinct axis is drawn instead.
        const bool drawn =
            layers_.principal && !equal.all && !(equal.topPair && k < 2) && !(equal.bottomPair && k > 0);
        if (drawn) {
            layout.principal[k].at = ToTarget(target, PlaneFor(p.axes[k].downCosines).pole);
            layout.principal[k].half = Marker(target, 6);
            layout.principal[k].label.text = QString("s%1").arg(k + 1);
        }
        const Vec3& row = State().user.rotation[k];
        if (layers_.user && Norm(row) != 0) {
            layout.user[k].at = ToTarget(target, PlaneFor(row).pole);
            layout.user[k].half = Marker(target, 5);
            layout.user[k].label.text = userNames[k];
        }
    }
    if (layers_.principal && equal.all) {
        // Under the field's name, or under "N" where it would reach it.
        const double pad = 0.35 * QFontMetricsF(layout.legendFont).height();
        const QString lines[2] = {QString::fromUtf8("σ1 = σ2 = σ3:"), "every direction is principal"};
        auto placeAt = [&](double top) {
            layout.notice.clear();
            for (const QString& line : lines) {
                const QRectF box(QPointF(target.left() + pad, top), TextSize(layout.poleFont, line));
                layout.notice.push_back({box, line});
                top = box.bottom();
            }
        };
        placeAt(layout.legend ? layout.name.box.bottom() + pad : target.top() + pad);
        if (std::any_of(layout.notice.begin(), layout.notice.end(),
                        [&](const NetLabel& line) { return line.box.intersects(layout.north.box); }))
            placeAt(layout.north.box.bottom() + pad);
    }
    std::vector<NetLayout::Pole*> poles;
    for (auto* set : {&layout.principal, &layout.user})
        for (NetLayout::Pole& pole : *set)
            if (!pole.label.text.isEmpty()) poles.push_back(&pole);

    std::vector<QRectF> taken = layout.Boxes();
    for (const NetLayout::Pole* pole : poles)
        taken.push_back(
            QRectF(pole->at - QPointF(pole->half, pole->half), QSizeF(2 * pole->half, 2 * pole->half)));
    const double gap = 0.25 * QFontMetricsF(layout.poleFont).height();
    auto covered = [&](const QRectF& box) {
        const QRectF room = box.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2);
        double area = target.contains(box) ? 0 : 1e12;
        for (const QRectF& other : taken) {
            const QRectF common = room.intersected(other);
            if (!common.isEmpty()) area += common.width() * common.height() + 1;
        }
        return area;
    };
    for (NetLayout::Pole* pole : poles) {
        const QSizeF size = TextSize(layout.poleFont, pole->label.text);
        const double w = size.width(), h = size.height(), d = pole->half + gap / 2;
        const QPointF at = pole->at;
        // Upper right first, as the names have always stood.
        const QPointF corners[] = {
            {at.x() + d, at.y() - d - h},           {at.x() + d, at.y() + d},
            {at.x() - d - w, at.y() - d - h},       {at.x() - d - w, at.y() + d},
            {at.x() + d + gap, at.y() - h / 2},     {at.x() - d - gap - w, at.y() - h / 2},
            {at.x() - w / 2, at.y() - d - gap - h}, {at.x() - w / 2, at.y() + d + gap}};
        QRectF best;
        double least = HUGE_VAL;
        for (const QPointF& corner : corners) {
            const QRectF box(corner, size);
            const double area = covered(box);
            if (area < least) least = area, best = box;
            if (area == 0) break;
        }
        pole->label.box = best;
        taken.push_back(best);
    }
}

void ExplorerNet::PlaceKey(NetLayout& layout, const QRectF& target) const
{
    using Symbol = NetLayout::KeySymbol;
    std::vector<std::pair<Symbol, QString>> entries;
    const std::vector<NetFault>& faults = Faults();
    if (layers_.slip && !faults.empty()) {
        entries.emplace_back(Symbol::ObservedSlip, "observed slip");
        if (std::any_of(faults.begin(), faults.end(), [](const NetFault& f) { return f.predicted; }))
            entries.emplace_back(Symbol::PredictedSlip, "predicted slip");
    }
    if (layers_.pt && !faults.empty()) {
        entries.emplace_back(Symbol::PAxis, "P axis");
        entries.emplace_back(Symbol::TAxis, "T axis");
    }
    if (layers_.pt && planeSet_ && planeSet_->Inversion())
        entries.emplace_back(Symbol::FoundStress, QString::fromUtf8("stress fit to the slips, 95 % cones"));
    if (entries.empty()) return;
    // A column of lines, each a symbol as wide as two lines are high and its words.
    const double lineHeight = QFontMetricsF(layout.legendFont).height(), gap = 0.35 * lineHeight;
    const double markWidth = 2 * lineHeight;
    double textWidth = 0;
    for (const auto& entry : entries)
        textWidth = std::max(textWidth, TextSize(layout.legendFont, entry.second).width());
    const QSizeF block(markWidth + gap + textWidth, entries.size() * lineHeight);
    const QPointF centre = target.center();
    const double reach = NetRadius(target) + Line(target, 1.5) / 2;
    const std::vector<QRectF> taken = layout.Boxes();
    // Bottom left first, where neither the legend nor the North mark goes.
    const QPointF corners[] = {{target.left() + gap, target.bottom() - gap - block.height()},
                               {target.right() - gap - block.width(), target.top() + gap},
                               {target.right() - gap - block.width(), target.bottom() - gap - block.height()},
                               {target.left() + gap, target.top() + gap}};
    QRectF chosen(corners[0], block);
    for (const QPointF& corner : corners) {
        const QRectF box(corner, block);
        const QRectF apart = box.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2);
        if (ClearOfCircle(box, centre, reach) &&
            std::none_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(apart); })) {
            chosen = box;
            break;
        }
    }
    for (size_t k = 0; k < entries.size(); ++k) {
        const double top = chosen.top() + k * lineHeight;
        const QRectF mark(chosen.left(), top, markWidth, lineHeight);
        const QRectF words(QPointF(mark.right() + gap, top), TextSize(layout.legendFont, entries[k].second));
        layout.key.push_back({entries[k].first, mark, {words, entries[k].second}});
    }
}

NetLayout ExplorerNet::LayoutAt(const QRectF& target, double factor, bool upright) const
{
    const QPointF centre = target.center();
    const double r = NetRadius(target);
    NetLayout layout;
    layout.northFont = Scaled(TextFont(target, 14), factor);
    layout.legendFont = Scaled(TextFont(target, 11), factor);
    const double lineHeight = QFontMetricsF(layout.legendFont).height();
    const double gap = 0.35 * lineHeight, reach = r + Line(target, 1.5) / 2 + gap;
    const QSizeF northSize = TextSize(layout.northFont, "N");
    layout.north = {QRectF(centre.x() - northSize.width() / 2, centre.y() - reach - northSize.height(),
                           northSize.width(), northSize.height()),
                    "N"};
    if (kind_ == FieldKind::None) return layout;
    layout.legend = true;
    layout.upright = upright;
    const double pad = gap;
    layout.name = {QRectF(target.topLeft() + QPointF(pad, pad),
                          TextSize(layout.legendFont, kNames[static_cast<int>(kind_)])),
                   kNames[static_cast<int>(kind_)]};
    const double thickness = 0.75 * lineHeight, markerSize = 0.7 * lineHeight;
    const bool opened = ShowsOpened();
    const QString openedWords[2] = {"opened", QString::fromUtf8("(σn' < 0)")};
    if (upright) {
        // A column right of the circle: marker, bar, numbers; the opened
        // planes' swatch below.
        const double x = centre.x() + reach;
        // Room for the swatch is kept when no plane is opened, so that the
        // bar stays put while the pressure changes.
        const double entry = gap + 2 * lineHeight;
        const double room = target.height() - 2 * pad - lineHeight - entry;
        const double length = std::max(2 * lineHeight, std::min(1.6 * r, room));
        const double top =
            std::max(target.top() + pad, centre.y() - (length + lineHeight + entry) / 2) + lineHeight / 2;
        layout.bar = QRectF(x + markerSize + 0.3 * gap, top, thickness, length);
        if (opened) {
            const double y = layout.bar.bottom() + lineHeight / 2 + gap;
            layout.openedSwatch =
                QRectF(layout.bar.left(), y + lineHeight - thickness / 2, thickness, thickness);
            for (int k = 0; k < 2; ++k)
                layout.openedLabels.push_back({QRectF(QPointF(layout.bar.right() + gap, y + k * lineHeight),
                                                      TextSize(layout.legendFont, openedWords[k])),
                                               openedWords[k]});
        }
    } else {
        // A row under the circle: marker, bar, numbers; the swatch right of the bar.
        const double y = centre.y() + reach;
        const QString words = openedWords[0] + " " + openedWords[1];
        const double entry =
            opened ? 2 * gap + thickness + gap + TextSize(layout.legendFont, words).width() : 0;
        layout.bar = QRectF(centre.x() - r, y + markerSize + 0.3 * gap,
                            std::max(2 * lineHeight, 2 * r - entry), thickness);
        if (opened) {
            layout.openedSwatch =
                QRectF(layout.bar.right() + 2 * gap, layout.bar.top(), thickness, thickness);
            const QSizeF size = TextSize(layout.legendFont, words);
            layout.openedLabels.push_back({QRectF(QPointF(layout.openedSwatch.right() + gap,
                                                          layout.bar.center().y() - size.height() / 2),
                                                  size),
                                           words});
        }
    }
    // Numbers along the bar: the failure value first, then the ends; one that
    // would touch another is left out (its tick stays).
    const ValueRange range = FieldRange(kind_, State().joint.phi);
    std::vector<double> shown;
    if (const std::optional<double> failure = FailureValue(kind_, State().joint.phi)) {
        shown.push_back(*failure);
    } else {
        shown.push_back((range.low + range.high) / 2);
    }
    shown.push_back(range.low);
    shown.push_back(range.high);
    for (double value : shown) {
        const QString text = QString::number(value, 'g', 3).replace('.', decimalSeparator_);
        const QSizeF size = TextSize(layout.legendFont, text);
        const QPointF at = layout.BarAt(Closeness(kind_, range, value));
        const QRectF box = upright
                               ? Centred({layout.bar.right() + gap + size.width() / 2, at.y()}, size)
                               : Centred({at.x(), layout.bar.bottom() + 0.3 * gap + size.height() / 2}, size);
        const QRectF apart = box.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2);
        if (std::none_of(layout.values.begin(), layout.values.end(),
                         [&](const NetLabel& l) { return l.box.intersects(apart); }))
            layout.values.push_back({box, text});
    }
    // The joint's marker points at its value, or at the swatch when the pore
    // pressure has opened it.
    bool jointOpened = false;
    const std::optional<double> value = JointValue(&jointOpened);
    if (jointOpened || value) {
        const QPointF tip =
            jointOpened
                ? (upright ? QPointF(layout.openedSwatch.left(), layout.openedSwatch.center().y())
                           : QPointF(layout.openedSwatch.center().x(), layout.openedSwatch.top()))
                : (upright ? QPointF(layout.bar.left(), layout.BarAt(Closeness(kind_, range, *value)).y())
                           : QPointF(layout.BarAt(Closeness(kind_, range, *value)).x(), layout.bar.top()));
        layout.markerTip = tip;
        layout.marker =
            upright
                ? QRectF(tip.x() - 0.3 * gap - markerSize, tip.y() - markerSize / 2, markerSize, markerSize)
                : QRectF(tip.x() - markerSize / 2, tip.y() - 0.3 * gap - markerSize, markerSize, markerSize);
    }
    return layout;
}

}  // namespace tensorium
