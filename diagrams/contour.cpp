#include "diagrams/contour.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace tensorium {
namespace {

// The grid with a ring of nodes without a value round it, so that every
// region closes. Nodes are numbered over (size + 2) x (size + 2).
class PaddedGrid {
public:
    PaddedGrid(const NetGrid& grid, double level)
        : grid_(grid), level_(level), side_(grid.size + 2), above_(static_cast<std::size_t>(side_) * side_, 0)
    {
        for (int j = 0; j < grid.size; ++j) {
            for (int i = 0; i < grid.size; ++i) {
                const double v = grid.At(i, j);
                above_[Node(i, j)] = std::isfinite(v) && v >= level;
            }
        }
    }

    int Side() const { return side_; }
    double Value(int i, int j) const
    {
        if (i < 0 || j < 0 || i >= grid_.size || j >= grid_.size)
            return std::numeric_limits<double>::quiet_NaN();
        return grid_.At(i, j);
    }
    bool Above(int i, int j) const { return above_[Node(i, j)] != 0; }
    // Edges are named by their first node and a direction: 0 East, 1 South.
    int EdgeId(int i, int j, int direction) const { return ((j + 1) * side_ + (i + 1)) * 2 + direction; }
    NetPoint Crossing(int edge) const
    {
        const int direction = edge % 2, node = edge / 2;
        const int i = node % side_ - 1, j = node / side_ - 1;
        const int i2 = i + (direction == 0), j2 = j + (direction == 1);
        const double a = Value(i, j), b = Value(i2, j2);
        const double f = std::isfinite(a) && std::isfinite(b) ? (level_ - a) / (b - a) : 0.5;
        const double x = grid_.X(i), y = grid_.Y(j);
        return {x + f * (grid_.X(i2) - x), y + f * (grid_.Y(j2) - y)};
    }

private:
    std::size_t Node(int i, int j) const { return static_cast<std::size_t>(j + 1) * side_ + (i + 1); }

    const NetGrid& grid_;
    double level_;
    int side_;
    std::vector<char> above_;
};

}  // namespace

std::vector<NetRing> RegionAtOrAbove(const NetGrid& grid, double level)
{
    const PaddedGrid padded(grid, level);
    // next[e]: the edge whose crossing follows that of edge e along a ring.
    std::vector<int> next(static_cast<std::size_t>(padded.Side()) * padded.Side() * 2, -1);
    for (int j = -1; j < grid.size; ++j) {
        for (int i = -1; i < grid.size; ++i) {
            // Corners clockwise from the North-West, and the edges from each
            // to the next.
            const int ci[4] = {i, i + 1, i + 1, i}, cj[4] = {j, j, j + 1, j + 1};
            const int edges[4] = {padded.EdgeId(i, j, 0), padded.EdgeId(i + 1, j, 1),
                                  padded.EdgeId(i, j + 1, 0), padded.EdgeId(i, j, 1)};
            bool above[4];
            for (int k = 0; k < 4; ++k) above[k] = padded.Above(ci[k], cj[k]);
            // Walking clockwise round the square, a ring enters the region on
            // one edge and leaves it on another; the region lies on its left.
            int enters[2], leaves[2], count = 0;
            for (int k = 0; k < 4; ++k) {
                if (above[k] == above[(k + 1) % 4]) continue;
                if (above[k]) {
                    leaves[count / 2] = k;
                } else {
                    enters[count / 2] = k;
                }
                ++count;
            }
            if (count == 2) {
                next[edges[enters[0]]] = edges[leaves[0]];
            } else if (count == 4) {
                double sum = 0;
                for (int k = 0; k < 4; ++k) sum += padded.Value(ci[k], cj[k]);
                const bool joined = std::isfinite(sum) && sum / 4 >= level;
                // Joined through the centre, each entry turns back to the
                // previous exit round a corner below; apart, it goes on to
                // the next exit round its own corner.
                for (int e : enters) next[edges[e]] = edges[(e + (joined ? 3 : 1)) % 4];
            }
        }
    }
    std::vector<NetRing> rings;
    for (std::size_t start = 0; start < next.size(); ++start) {
        if (next[start] < 0) continue;
        NetRing ring;
        for (int e = static_cast<int>(start); next[e] >= 0;) {
            ring.push_back(padded.Crossing(e));
            const int after = next[e];
            next[e] = -1;
            e = after;
        }
        rings.push_back(std::move(ring));
    }
    return rings;
}

std::vector<NetLine> ClipToDisk(const NetRing& ring)
{
    std::vector<NetLine> lines;
    const std::size_t n = ring.size();
    if (n < 2) return lines;
    bool open = false, startsInside = false, endsInside = false;
    for (std::size_t k = 0; k < n; ++k) {
        const NetPoint& p = ring[k];
        const NetPoint& q = ring[(k + 1) % n];
        // |p + t d|^2 <= 1 for t in [t0, t1] within [0, 1].
        const double dx = q.x - p.x, dy = q.y - p.y;
        const double a = dx * dx + dy * dy, b = p.x * dx + p.y * dy, c = p.x * p.x + p.y * p.y - 1;
        double t0 = 0, t1 = 1;
        if (a == 0) {
            if (c > 0) t0 = 2;  // a point outside
        } else {
            const double disc = b * b - a * c;
            if (disc < 0) {
                t0 = 2;
            } else {
                const double root = std::sqrt(disc);
                t0 = std::max(0.0, (-b - root) / a);
                t1 = std::min(1.0, (-b + root) / a);
            }
        }
        if (t0 > t1) {
            open = false;
            continue;
        }
        if (k == 0) startsInside = t0 == 0;
        if (k == n - 1) endsInside = t1 == 1;
        if (!open || t0 > 0) {
            lines.push_back({{p.x + t0 * dx, p.y + t0 * dy}});
            open = true;
        }
        lines.back().push_back({p.x + t1 * dx, p.y + t1 * dy});
        if (t1 < 1) open = false;
    }
    // A ring cut open elsewhere than at its first point: its last line runs on
    // into its first.
    if (lines.size() > 1 && startsInside && endsInside) {
        NetLine& last = lines.back();
        last.insert(last.end(), lines.front().begin() + 1, lines.front().end());
        lines.front() = std::move(last);
        lines.pop_back();
    }
    return lines;
}

double RingArea(const NetRing& ring)
{
    double twice = 0;
    for (std::size_t k = 0; k < ring.size(); ++k) {
        const NetPoint& p = ring[k];
        const NetPoint& q = ring[(k + 1) % ring.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2;
}

}  // namespace tensorium
