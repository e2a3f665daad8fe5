#include "diagrams/stability_field.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/mohr_coulomb.h"
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
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    StabilityField field;
    field.kind = kind;
    field.size = std::max(size, 5);
    const std::size_t nodes = static_cast<std::size_t>(field.size) * field.size;
    field.values.assign(nodes, kNone);
    field.effective.assign(nodes, kNone);
    if (kind == FieldKind::None) return field;
    bool any = false;
    for (int j = 0; j < field.size; ++j) {
        for (int i = 0; i < field.size; ++i) {
            const NetPoint at{field.X(i), field.Y(j)};
            // Nodes just outside the primitive circle get the value at the
            // circle, so that a fill clipped to it leaves no gap at its edge.
            if (std::hypot(at.x, at.y) > 1 + field.Margin()) continue;
            const PlaneTraction on = TractionOnPlane(DownwardAt(at), in.stress);
            const PlaneStability s =
                AssessPlane(on.sigma, on.tau, in.s1, in.s3, in.phiDegrees, in.c, in.porePressure);
            const std::size_t k = field.Index(i, j);
            field.effective[k] = s.sigmaEff;
            const bool opened = s.sigmaEff < 0;
            if (opened) ++field.openedNodes;
            const std::optional<double> value = kind == FieldKind::SlipTendency       ? s.slipTendency
                                                : kind == FieldKind::DilationTendency ? s.dilationTendency
                                                                                      : s.safetyFactor;
            if (!value || !std::isfinite(*value)) continue;
            if (opened && kind != FieldKind::DilationTendency) continue;
            field.values[k] = *value;
            field.low = any ? std::min(field.low, *value) : *value;
            field.high = any ? std::max(field.high, *value) : *value;
            any = true;
        }
    }
    return field;
}

ValueRange FieldRange(FieldKind kind, double phiDegrees)
{
    switch (kind) {
        case FieldKind::SafetyFactor: return {0, 2};
        case FieldKind::SlipTendency: {
            const double mu = FrictionCoefficient(phiDegrees);
            return {0, mu > 0 && std::isfinite(mu) ? 2 * mu : 1};
        }
        default: return {0, 1};
    }
}

std::optional<double> FailureValue(FieldKind kind, double phiDegrees)
{
    if (kind == FieldKind::SafetyFactor) return 1.0;
    if (kind != FieldKind::SlipTendency) return std::nullopt;
    const double mu = FrictionCoefficient(phiDegrees);
    if (!(mu > 0) || !std::isfinite(mu)) return std::nullopt;
    return mu;
}

bool FailsHigh(FieldKind kind) { return kind != FieldKind::SafetyFactor; }

}  // namespace tensorium
