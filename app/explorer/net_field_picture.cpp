#include "app/explorer/net_field_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/explorer/colour_map.h"
#include "diagrams/contour.h"

namespace tensorium {
namespace {

void AddRings(QPainterPath& path, const std::vector<NetRing>& rings)
{
    for (const NetRing& ring : rings) {
        path.moveTo(ring.front().x, ring.front().y);
        for (size_t k = 1; k < ring.size(); ++k) path.lineTo(ring[k].x, ring[k].y);
        path.closeSubpath();
    }
}

QPainterPath LinesInside(const std::vector<NetRing>& rings)
{
    QPainterPath path;
    for (const NetRing& ring : rings) {
        for (const NetLine& line : ClipToDisk(ring)) {
            path.moveTo(line.front().x, line.front().y);
            for (size_t k = 1; k < line.size(); ++k) path.lineTo(line[k].x, line[k].y);
        }
    }
    return path;
}

}  // namespace

FieldPicture FieldPictureOf(const StabilityField& field, double phiDegrees)
{
    FieldPicture picture;
    picture.range = FieldRange(field.kind, phiDegrees);
    if (field.kind == FieldKind::None || field.size == 0) return picture;
    const double low = picture.range.low, high = picture.range.high, span = high - low;
    StabilityField fill = field;
    for (size_t k = 0; k < fill.values.size(); ++k) {
        double& v = fill.values[k];
        if (std::isfinite(v)) {
            v = std::clamp(v, low, high);
        } else if (field.effective[k] <= 0) {
            v = FailsHigh(field.kind) ? high : low;
        }
    }
    const std::optional<double> failure = FailureValue(field.kind, phiDegrees);
    for (int b = 0; b < kFieldBands; ++b) {
        const double level = low + span * b / kFieldBands;
        FieldBand band;
        band.colour = MapColour(Closeness(field.kind, picture.range, level + span / (2 * kFieldBands)));
        const std::vector<NetRing> rings = RegionAtOrAbove(fill, level);
        AddRings(band.region, rings);
        picture.bands.push_back(band);
        if (b == 0) continue;
        if (failure && std::fabs(level - *failure) <= 1e-9 * span) continue;
        picture.lines.addPath(LinesInside(rings));
    }
    if (failure) picture.failureLine = LinesInside(RegionAtOrAbove(fill, *failure));
    StabilityField opened = field;
    for (size_t k = 0; k < opened.values.size(); ++k) opened.values[k] = -field.effective[k];
    // Strictly below zero: the smallest positive level.
    AddRings(picture.opened, RegionAtOrAbove(opened, std::numeric_limits<double>::denorm_min()));
    return picture;
}

}  // namespace tensorium
