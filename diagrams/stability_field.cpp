#include "diagrams/stability_field.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/plane_traction.h"
#include "core/stability.h"
#include "diagrams/net_projection.h"

namespace tensorium {

bool FieldInputs::operator==(const FieldInputs& o) const
{
    const StressState& a = stress;
    const StressState& b = o.stress;
    return a.sx == b.sx && a.sy == b.sy && a.sz == b.sz && a.txy == b.txy && a.tyz == b.tyz &&
           a.tzx == b.tzx && s1 == o.s1 && s3 == o.s3 && phiDegrees == o.phiDegrees && c == o.c &&
           porePressure == o.porePressure;
}

StabilityField ComputeField(FieldKind kind, const FieldInputs& in, int size)
{
    StabilityField field;
    field.kind = kind;
    field.size = size;
    field.values.assign(static_cast<size_t>(size) * size, std::numeric_limits<double>::quiet_NaN());
    if (kind == FieldKind::None) return field;
    bool any = false;
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            const NetPoint at{field.X(i), field.Y(j)};
            // Cells that the primitive circle cuts get the value at the circle,
            // so that a fill clipped to it leaves no gap at its edge.
            if (std::hypot(at.x, at.y) > 1 + field.Margin()) continue;
            const PlaneTraction on = TractionOnPlane(DownwardAt(at), in.stress);
            const PlaneStability s =
                AssessPlane(on.sigma, on.tau, in.s1, in.s3, in.phiDegrees, in.c, in.porePressure);
            const std::optional<double> value = kind == FieldKind::SlipTendency       ? s.slipTendency
                                                : kind == FieldKind::DilationTendency ? s.dilationTendency
                                                                                      : s.safetyFactor;
            if (!value || !std::isfinite(*value)) continue;
            field.values[static_cast<size_t>(j) * size + i] = *value;
            field.low = any ? std::min(field.low, *value) : *value;
            field.high = any ? std::max(field.high, *value) : *value;
            any = true;
        }
    }
    return field;
}

}  // namespace tensorium
