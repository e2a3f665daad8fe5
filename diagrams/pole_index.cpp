#include "diagrams/pole_index.h"

#include <algorithm>
#include <cmath>

#include "diagrams/net_projection.h"

namespace tensorium {
namespace {

// e^-40 is 4e-18: below the last digit of a sum that holds at least one
// term near 1, and a thousand of them change a density of order 1 by 1e-14.
constexpr double kNegligibleExponent = 40;
// Enough cells that each holds few poles, few enough that empty ones cost
// little to pass.
constexpr int kMostCells = 256;

Vec3 Downward(const Vec3& v) { return v[2] > 0 ? Scaled(v, -1.0) : v; }

}  // namespace

PoleIndex::PoleIndex(const std::vector<Vec3>& poles, double k) : k_(k), cut_(1 - kNegligibleExponent / k)
{
    struct Entry {
        int cell;
        Vec3 axis;
    };
    std::vector<Entry> entries;
    entries.reserve(poles.size());
    if (cut_ > 0) {
        reach_ = std::acos(cut_);
        // The equal-area net stretches no length on the lower hemisphere
        // (its largest scale is 1, along the primitive circle), so the
        // poles within reach_ of a direction lie within reach_ of its point.
        cells_ = std::clamp(static_cast<int>(std::ceil(2 / reach_)), 1, kMostCells);
        cellWidth_ = 2.0 / cells_;
    }
    for (const Vec3& pole : poles) {
        const Vec3 down = Downward(pole);
        const NetPoint p = ProjectDownward(down);
        entries.push_back({Cell(p.y) * cells_ + Cell(p.x), down});
        // |x . g| for a downward g is -x . g when the two lie on opposite
        // sides of the net, at most the horizontal part of x; then g lies
        // within reach_ of the downward axis opposite in azimuth, at -p.
        if (cut_ > 0 && 1 - down[2] * down[2] >= cut_ * cut_)
            entries.push_back({Cell(-p.y) * cells_ + Cell(-p.x), Scaled(down, -1.0)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.cell < b.cell; });
    first_.assign(static_cast<std::size_t>(cells_) * cells_ + 1, 0);
    for (const Entry& e : entries) ++first_[e.cell + 1];
    for (std::size_t c = 1; c < first_.size(); ++c) first_[c] += first_[c - 1];
    x_.reserve(entries.size());
    y_.reserve(entries.size());
    z_.reserve(entries.size());
    for (const Entry& e : entries) {
        x_.push_back(e.axis[0]);
        y_.push_back(e.axis[1]);
        z_.push_back(e.axis[2]);
    }
}

int PoleIndex::Cell(double coordinate) const
{
    return std::clamp(static_cast<int>(std::floor((coordinate + 1) / cellWidth_)), 0, cells_ - 1);
}

double PoleIndex::Sum(Vec3 g) const
{
    g = Downward(g);
    double sum = 0;
    if (cut_ <= 0) {
        for (std::size_t e = 0; e < x_.size(); ++e)
            sum += std::exp(k_ * (std::fabs(x_[e] * g[0] + y_[e] * g[1] + z_[e] * g[2]) - 1));
        return sum;
    }
    const NetPoint p = ProjectDownward(g);
    const int i0 = Cell(p.x - reach_), i1 = Cell(p.x + reach_);
    const int j0 = Cell(p.y - reach_), j1 = Cell(p.y + reach_);
    for (int j = j0; j <= j1; ++j) {
        const std::size_t begin = first_[static_cast<std::size_t>(j) * cells_ + i0];
        const std::size_t end = first_[static_cast<std::size_t>(j) * cells_ + i1 + 1];
        for (std::size_t e = begin; e < end; ++e) {
            const double dot = x_[e] * g[0] + y_[e] * g[1] + z_[e] * g[2];
            if (dot >= cut_) sum += std::exp(k_ * (dot - 1));
        }
    }
    return sum;
}

}  // namespace tensorium
