#include "diagrams/stability_field.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/mohr_coulomb.h"
#include "core/plane_traction.h"
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

namespace {

bool SameStress(const StressState& a, const StressState& b)
{
    return a.sx == b.sx && a.sy == b.sy && a.sz == b.sz && a.txy == b.txy && a.tyz == b.tyz && a.tzx == b.tzx;
}

}  // namespace

bool GridStresses::Of(const StressState& s, int n) const { return size == n && SameStress(stress, s); }

GridStresses StressesOnGrid(const StressState& stress, int size)
{
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    StabilityField grid;  // for its nodes
    grid.size = std::max(size, 5);
    GridStresses on;
    on.size = grid.size;
    on.stress = stress;
    const std::size_t nodes = static_cast<std::size_t>(grid.size) * grid.size;
    on.sigma.assign(nodes, kNone);
    on.tau.assign(nodes, kNone);
    for (int j = 0; j < grid.size; ++j) {
        for (int i = 0; i < grid.size; ++i) {
            const NetPoint at{grid.X(i), grid.Y(j)};
            // Nodes just outside the primitive circle get the value at the
            // circle, so that a fill clipped to it leaves no gap at its edge.
            if (std::hypot(at.x, at.y) > 1 + grid.Margin()) continue;
            const PlaneTraction traction = TractionOnPlane(DownwardAt(at), stress);
            on.sigma[grid.Index(i, j)] = traction.sigma;
            on.tau[grid.Index(i, j)] = traction.tau;
        }
    }
    return on;
}

StabilityField ComputeField(FieldKind kind, const FieldInputs& in, int size)
{
    if (kind != FieldKind::None) return ComputeField(kind, in, StressesOnGrid(in.stress, size));
    GridStresses none;
    none.size = std::max(size, 5);
    const std::size_t nodes = static_cast<std::size_t>(none.size) * none.size;
    none.sigma.assign(nodes, std::numeric_limits<double>::quiet_NaN());
    none.tau = none.sigma;
    return ComputeField(kind, in, none);
}

StabilityField ComputeField(FieldKind kind, const FieldInputs& in, const GridStresses& on)
{
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    StabilityField field;
    field.kind = kind;
    field.size = on.size;
    const std::size_t nodes = static_cast<std::size_t>(field.size) * field.size;
    field.values.assign(nodes, kNone);
    field.effective.assign(nodes, kNone);
    if (kind == FieldKind::None) return field;
    // The quotients of AssessPlane (core/stability.h), with tan(phi) taken
    // once for the grid rather than twice a node: a step of the pore
    // pressure redoes only this loop.
    const double mu = FrictionCoefficient(in.phiDegrees);
    bool any = false;
    for (std::size_t k = 0; k < nodes; ++k) {
        const double sigma = on.sigma[k], tau = on.tau[k];
        if (std::isnan(sigma)) continue;
        const double eff = sigma - in.porePressure;
        field.effective[k] = eff;
        const bool opened = eff < 0;
        if (opened) ++field.openedNodes;
        double value = kNone;
        if (kind == FieldKind::DilationTendency) {
            if (in.s1 != in.s3) value = (in.s1 - sigma) / (in.s1 - in.s3);
        } else if (opened) {
            continue;  // no friction: no quotient
        } else if (kind == FieldKind::SlipTendency) {
            if (eff != 0) value = tau / eff;
        } else if (tau != 0) {
            value = (mu * eff + in.c) / tau;
        }
        if (!std::isfinite(value)) continue;
        field.values[k] = value;
        field.low = any ? std::min(field.low, value) : value;
        field.high = any ? std::max(field.high, value) : value;
        any = true;
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
