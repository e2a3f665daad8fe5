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
    for (double& v : fill.values)
        if (std::isfinite(v)) v = std::clamp(v, low, high);
    // An opened node beside closed ones takes their mean: the field as it
    // reaches sigma' = 0, so that no band of its own shows along the edge of
    // the opened region (the safety factor drops to 0 there as the cohesion
    // goes); one deeper inside lies under the opened region and takes the
    // failure end.
    const StabilityField clamped = fill;
    for (int j = 0; j < field.size; ++j) {
        for (int i = 0; i < field.size; ++i) {
            const size_t k = field.Index(i, j);
            if (std::isfinite(clamped.values[k]) || !(field.effective[k] <= 0)) continue;
            double sum = 0;
            int count = 0;
            for (int dj = -1; dj <= 1; ++dj) {
                for (int di = -1; di <= 1; ++di) {
                    const int ni = i + di, nj = j + dj;
                    if (ni < 0 || nj < 0 || ni >= field.size || nj >= field.size) continue;
                    const double v = clamped.At(ni, nj);
                    if (std::isfinite(v) && field.EffectiveAt(ni, nj) > 0) sum += v, ++count;
                }
            }
            fill.values[k] = count > 0 ? sum / count : FailsHigh(field.kind) ? high : low;
        }
    }
    const std::optional<double> failure = FailureValue(field.kind, phiDegrees);
    for (int b = 0; b < kFieldBands; ++b) {
        const double level = low + span * b / kFieldBands;
        FieldBand band;
        band.colour = MapColour(Closeness(field.kind, picture.range, level + span / (2 * kFieldBands)));
        AddRings(band.region, RegionAtOrAbove(fill, level));
        picture.bands.push_back(band);
    }
    if (failure) picture.failureLine = LinesInside(RegionAtOrAbove(fill, *failure));
    StabilityField opened = field;
    for (size_t k = 0; k < opened.values.size(); ++k) opened.values[k] = -field.effective[k];
    // Strictly below zero: the smallest positive level.
    AddRings(picture.opened, RegionAtOrAbove(opened, std::numeric_limits<double>::denorm_min()));
    return picture;
}

}  // namespace tensorium
