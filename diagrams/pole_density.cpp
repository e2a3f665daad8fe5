#include "diagrams/pole_density.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/angles.h"
#include "diagrams/pole_index.h"

namespace tensorium {
namespace {

// The counting circle of the original count holds, for a uniform set, an
// expected number of poles three standard deviations of that number.
constexpr double kCountingDeviations = 3;
// The maximum is looked for round this many of the highest nodes that stand
// above their neighbours, in case the grid ranks two close peaks wrongly.
constexpr int kPeaksToRefine = 3;
// The search for the maximum stops at steps below this angle (radians):
// 6e-6 degrees, where the count differs from the peak's by k 1e-14 / 2.
constexpr double kFinestStep = 1e-7;

struct Peak {
    double value;
    Vec3 direction;
};

// A unit vector at right angles to the unit vector v.
Vec3 Across(const Vec3& v)
{
    const Vec3 other = std::fabs(v[2]) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    const Vec3 c = Cross(v, other);
    return Scaled(c, 1 / Norm(c));
}

// Climbs from `start` to the nearest maximum of the count: steps along eight
// directions of the tangent plane, halved whenever none of them rises.
Peak Climb(const PoleIndex& index, Peak start, double step)
{
    Peak best = start;
    while (step > kFinestStep) {
        const Vec3 u = Across(best.direction);
        const Vec3 v = Cross(best.direction, u);
        Peak next = best;
        for (int a = 0; a < 8; ++a) {
            const double angle = a * kPi / 4;
            const Vec3 along = Sum(Scaled(u, std::cos(angle)), Scaled(v, std::sin(angle)));
            Vec3 to = Sum(Scaled(best.direction, std::cos(step)), Scaled(along, std::sin(step)));
            to = Scaled(to, 1 / Norm(to));
            const double value = index.Sum(to);
            if (value > next.value) next = {value, to};
        }
        if (next.value > best.value) {
            best = next;
        } else {
            step /= 2;
        }
    }
    return best;
}

}  // namespace

// For directions drawn uniformly on the sphere, t = |x . g| is uniform on
// [0, 1] (the area of a zone is proportional to its height), so a term
// f(t) = exp(k (t - 1)) has the mean and second moment
//   m  = int_0^1 e^{k (t - 1)} dt  = (1 - e^{-k}) / k,
//   m2 = int_0^1 e^{2k (t - 1)} dt = (1 - e^{-2k}) / (2k),
// and the sum of n independent terms the mean n m and the variance
// n (m2 - m^2). For large n, k ~ 2n/9: the mean is about 4.5 and the
// deviation 1.5, three of them as in the original count. The density is the
// excess over the mean in deviations, (W - n m) / sqrt(n (m2 - m^2)): about 0
// for a uniform set, and 2, 4, 6 mark clustering that chance rarely gives.
KambWeighting KambWeightingFor(std::size_t poles)
{
    KambWeighting w;
    const double n = static_cast<double>(poles);
    w.k = 2 * (1 + n / (kCountingDeviations * kCountingDeviations));
    const double m = -std::expm1(-w.k) / w.k;
    const double m2 = -std::expm1(-2 * w.k) / (2 * w.k);
    w.expected = n * m;
    w.deviation = std::sqrt(n * (m2 - m * m));
    return w;
}

std::vector<Vec3> PolesOf(const PlaneSet& planes)
{
    std::vector<Vec3> poles;
    poles.reserve(planes.size());
    for (const MeasuredPlane& plane : planes)
        poles.push_back(PoleOf({DegToRad(plane.dipDirection), DegToRad(plane.dip)}));
    return poles;
}

PoleDensity KambDensity(const std::vector<Vec3>& poles, int size)
{
    PoleDensity density;
    density.size = std::max(size, 5);
    density.poles = poles.size();
    density.weighting = KambWeightingFor(poles.size());
    const KambWeighting& w = density.weighting;
    const std::size_t nodes = static_cast<std::size_t>(density.size) * density.size;
    density.values.assign(nodes, std::numeric_limits<double>::quiet_NaN());
    const PoleIndex index(poles, w.k);
    // The count itself at each node, to find the peaks by; the density
    // follows from it.
    std::vector<double> counts(nodes, -1);
    for (int j = 0; j < density.size; ++j) {
        for (int i = 0; i < density.size; ++i) {
            const NetPoint at{density.X(i), density.Y(j)};
            if (std::hypot(at.x, at.y) > 1 + density.Margin()) continue;
            const double count = index.Sum(DownwardAt(at));
            counts[density.Index(i, j)] = count;
            density.values[density.Index(i, j)] = poles.empty() ? 0 : (count - w.expected) / w.deviation;
        }
    }
    if (poles.empty()) return density;

    // The nodes that no neighbour exceeds, highest first.
    std::vector<Peak> peaks;
    for (int j = 0; j < density.size; ++j) {
        for (int i = 0; i < density.size; ++i) {
            const double c = counts[density.Index(i, j)];
            if (c < 0) continue;
            bool highest = true;
            for (int dj = -1; dj <= 1 && highest; ++dj) {
                for (int di = -1; di <= 1; ++di) {
                    const int ni = i + di, nj = j + dj;
                    if (ni < 0 || nj < 0 || ni >= density.size || nj >= density.size) continue;
                    if (counts[density.Index(ni, nj)] > c) highest = false;
                }
            }
            if (highest) peaks.push_back({c, DownwardAt({density.X(i), density.Y(j)})});
        }
    }
    std::sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& b) { return a.value > b.value; });
    if (peaks.size() > kPeaksToRefine) peaks.resize(kPeaksToRefine);
    // A first step of about one spacing: near the centre a spacing on the
    // net is sqrt(2) times as much angle, at the circle half as much.
    Peak best{-1, {0, 0, -1}};
    for (const Peak& peak : peaks) {
        const Peak top = Climb(index, peak, density.Spacing());
        if (top.value > best.value) best = top;
    }
    const Vec3 down = best.direction[2] > 0 ? Scaled(best.direction, -1.0) : best.direction;
    density.maximum = (best.value - w.expected) / w.deviation;
    density.maximumAt = ProjectDownward(down);
    const PlaneAttitude plane = PlaneOfPole(down, 0);
    density.maximumDipDirection = RadToDeg(plane.dipDirection);
    density.maximumDip = RadToDeg(plane.dip);
    return density;
}

std::vector<double> ContourLevels(const PoleDensity& density)
{
    std::vector<double> levels;
    for (double level = 2; level <= density.maximum; level += 2) levels.push_back(level);
    return levels;
}

}  // namespace tensorium
