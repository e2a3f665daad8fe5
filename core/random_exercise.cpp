#include "core/random_exercise.h"

#include <algorithm>
#include <cmath>

#include "core/number_format.h"
#include "core/number_parse.h"
#include "core/seeded_random.h"

namespace tensorium {
namespace {

// A component this close to half a hundredth is drawn again, so that a
// last-bit difference in sin or cos of another library cannot round it the
// other way (the components are below 100, where a bit is about 1e-14).
constexpr double kTieMargin = 1e-6;

// A joint carrying less shear than this share of s1 - s3 is drawn again:
// near a principal plane SF grows without bound and its direction of shear
// turns with the last decimal.
constexpr double kLeastShearShare = 0.05;

const NumberSeparators kPoint{".", ""};

Vec3 Direction(double trendDegrees, double plungeDegrees)
{
    const double t = DegToRad(trendDegrees), p = DegToRad(plungeDegrees);
    return {std::sin(t) * std::cos(p), std::cos(t) * std::cos(p), -std::sin(p)};
}

// s1 u u^T + s2 v v^T + s3 w w^T.
StressState Tensor(const std::array<int, 3>& s, const std::array<Vec3, 3>& axes)
{
    Mat3 m{};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) m[i][j] += s[k] * axes[k][i] * axes[k][j];
    return {m[0][0], m[1][1], m[2][2], m[0][1], m[1][2], m[2][0]};
}

// "12.30" -> "12.3", "7.00" -> "7".
std::string Shortened(std::string text)
{
    if (text.find('.') == std::string::npos) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

bool NearTie(double value)
{
    const double hundredths = std::fabs(value) * 100;
    return std::fabs(hundredths - std::floor(hundredths) - 0.5) < kTieMargin;
}

// Draws the tensor until no component lies at a tie.
void DrawStress(SeededRandom& random, RandomExercise& exercise)
{
    for (;;) {
        std::array<int, 3> s{};
        do {
            for (int& value : s) value = random.Between(5, 100);
        } while (s[0] == s[1] || s[1] == s[2] || s[0] == s[2]);
        std::sort(s.begin(), s.end(), [](int a, int b) { return a > b; });
        // A plunge of 0 would leave the downward end of s1 to rounding, one
        // near 90 its azimuth.
        const int trend = 5 * random.Between(0, 71);
        const int plunge = 5 * random.Between(1, 16);
        const int spin = 5 * random.Between(0, 35);
        // v and w span the plane normal to u: h horizontal, b = u x h.
        const Vec3 u = Direction(trend, plunge);
        const Vec3 h = Direction(trend + 90, 0);
        const Vec3 b = Cross(u, h);
        const double c = std::cos(DegToRad(spin)), sn = std::sin(DegToRad(spin));
        const Vec3 v = Sum(Scaled(h, c), Scaled(b, sn));
        const Vec3 w = Sum(Scaled(h, -sn), Scaled(b, c));
        const StressState t = Tensor(s, {u, v, w});
        const double components[6] = {t.sx, t.sy, t.sz, t.txy, t.tyz, t.tzx};
        if (std::any_of(std::begin(components), std::end(components), NearTie)) continue;
        for (int i = 0; i < 6; ++i)
            exercise.stress[i] = Shortened(FormatNumber(std::round(components[i] * 100) / 100, 2, kPoint));
        exercise.principal = s;
        exercise.trend = trend, exercise.plunge = plunge, exercise.spin = spin;
        return;
    }
}

void DrawJoint(SeededRandom& random, RandomExercise& exercise)
{
    for (;;) {
        exercise.joint = {random.Between(0, 359), random.Between(10, 80), random.Between(15, 40),
                          random.Between(0, 10)};
        const AnalysisState state = AnalyseExercise(exercise);
        if (state.jointResult.tau >= kLeastShearShare * (state.principal.s1 - state.principal.s3)) return;
    }
}

}  // namespace

const std::vector<Quantity>& RandomExerciseQuantities()
{
    static const std::vector<Quantity> quantities = {
        Quantity::s1,     Quantity::s2,    Quantity::s3,  Quantity::s1Azimuth,   Quantity::s1Dip,
        Quantity::regime, Quantity::sigma, Quantity::tau, Quantity::safetyFactor};
    return quantities;
}

RandomExercise RandomExerciseFor(std::string_view seed)
{
    SeededRandom random(seed);
    RandomExercise exercise;
    DrawStress(random, exercise);
    DrawJoint(random, exercise);
    for (Quantity q : RandomExerciseQuantities()) exercise.questions.push_back({q, std::nullopt, {}});
    return exercise;
}

AnalysisState AnalyseExercise(const RandomExercise& exercise)
{
    AnalysisModel model;
    AnalysisState& s = model.state();
    s.convention = exercise.convention;
    double* const components[6] = {&s.stress.sx,  &s.stress.sy,  &s.stress.sz,
                                   &s.stress.txy, &s.stress.tyz, &s.stress.tzx};
    for (int i = 0; i < 6; ++i) *components[i] = ParseNumber(exercise.stress[i], ".");
    s.joint = {DegToRad(exercise.joint[0]), DegToRad(exercise.joint[1]),
               static_cast<double>(exercise.joint[2]), static_cast<double>(exercise.joint[3])};
    model.ComputeAll();
    return model.state();
}

}  // namespace tensorium
