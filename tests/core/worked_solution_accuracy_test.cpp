// Every number of the worked solution against independent formulas: the
// invariants, eigenvalues and deviator from Eigen, the two rotations as turns
// about fixed axes, the joint's vectors from their definitions; then the text
// of random states read back against the same oracles.
#include <gtest/gtest.h>
#include <Eigen/Eigenvalues>
#include <Eigen/Geometry>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/joint_shear.h"
#include "core/number_parse.h"
#include "core/stress_descriptors.h"
#include "core/user_rotations.h"
#include "core/worked_solution.h"
#include "tests/core/random_stress.h"
#include "tests/core/working_lines.h"

namespace tensorium::testing_support {
namespace {

using Eigen::AngleAxisd;
using Eigen::Matrix3d;
using Eigen::Vector3d;

Matrix3d ToEigen(const Mat3& m)
{
    Matrix3d e;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) e(i, j) = m[i][j];
    return e;
}
Matrix3d ToEigen(const StressState& s) { return ToEigen(ToMatrix(s)); }
Vector3d ToEigen(const Vec3& v) { return {v[0], v[1], v[2]}; }

// What the oracle says of one tensor.
struct Oracle {
    Vector3d eigen;  // descending
    double i1, i2, i3, j2, j3;
    Matrix3d deviator;
};

Oracle OracleOf(const StressState& s)
{
    const Matrix3d t = ToEigen(s);
    Eigen::SelfAdjointEigenSolver<Matrix3d> solver(t);
    const Vector3d l = solver.eigenvalues().reverse();
    Oracle o;
    o.eigen = l;
    o.i1 = l.sum();
    o.i2 = l(0) * l(1) + l(1) * l(2) + l(2) * l(0);
    o.i3 = l.prod();
    o.deviator = t - t.trace() / 3 * Matrix3d::Identity();
    o.j2 = 0.5 * (o.deviator * o.deviator).trace();
    o.j3 = o.deviator.determinant();
    return o;
}

// Random orientations of random principal values at scale 1.
AnalysisState RandomAnalysis(Random& r)
{
    AnalysisState state = DefaultAnalysis();
    state.stress = Rotated(Rotation(r.Quaternion()), {10 * r.Signed(), 10 * r.Signed(), 10 * r.Signed()});
    state.user.beta = r.Angle(), state.user.psi = r.Angle(), state.user.theta = r.Angle();
    state.joint = {r.Angle(), r.Angle(), 60 * r.Unit(), 2 * r.Unit()};
    if (r.Below(2)) state.convention = AzimuthConvention::azCounterclockwiseFromEast;
    return Analysed(state);
}

// In units of eps times the power of the largest component; about twice the
// worst error measured over the random states (in eps: I1 13.3, I2 24.3,
// I3 17.6, J2 3.8, J3 2.9, deviator 1.5); most of it is Eigen's own.
constexpr double kInvariantTolerance[] = {28, 50, 40, 8, 6, 3};

TEST(WorkedSolutionAccuracy, InvariantsAndDeviatorAgainstEigen)
{
    Random r(0x3a770001);
    double worst[6] = {};
    for (int i = 0; i < 3000; ++i) {
        const AnalysisState state = i == 0 ? DefaultAnalysis() : RandomAnalysis(r);
        const StressDescriptors d = DescribeStress(state.stress, state.principal);
        const Oracle o = OracleOf(state.stress);
        const double m = std::max(LargestMagnitude(state.stress), DBL_MIN);
        const double errors[6] = {
            std::fabs(d.i1 - o.i1) / m,
            std::fabs(d.i2 - o.i2) / (m * m),
            std::fabs(d.i3 - o.i3) / (m * m * m),
            std::fabs(d.j2 - o.j2) / (m * m),
            std::fabs(d.j3 - o.j3) / (m * m * m),
            (ToEigen(d.deviator) - o.deviator).cwiseAbs().maxCoeff() / m,
        };
        for (int k = 0; k < 6; ++k) {
            worst[k] = std::max(worst[k], errors[k] / DBL_EPSILON);
            ASSERT_LE(errors[k], kInvariantTolerance[k] * DBL_EPSILON) << "quantity " << k << ", state " << i;
        }
        EXPECT_NEAR(d.mean, o.i1 / 3, kInvariantTolerance[0] / 3 * DBL_EPSILON * m);
        // Squared, as a square root of a small J2 magnifies its rounding.
        const double j2Tolerance = kInvariantTolerance[3] * DBL_EPSILON * m * m;
        EXPECT_NEAR(d.vonMises * d.vonMises, 3 * o.j2, 3 * j2Tolerance);
        EXPECT_NEAR(d.octahedralShear * d.octahedralShear, 2 * o.j2 / 3, j2Tolerance);
    }
    std::printf("worst errors in eps: I1 %.1f, I2 %.1f, I3 %.1f, J2 %.1f, J3 %.1f, deviator %.1f\n", worst[0],
                worst[1], worst[2], worst[3], worst[4], worst[5]);
}

TEST(WorkedSolutionAccuracy, ShapeOfTheEllipsoidAgainstEigen)
{
    Random r(0x3a770002);
    for (int i = 0; i < 3000; ++i) {
        const AnalysisState state = i == 0 ? DefaultAnalysis() : RandomAnalysis(r);
        const StressDescriptors d = DescribeStress(state.stress, state.principal);
        const Vector3d l = OracleOf(state.stress).eigen;
        const double m = LargestMagnitude(state.stress), spread = l(0) - l(2);
        EXPECT_NEAR(d.maxShear, spread / 2, 32 * DBL_EPSILON * m);
        ASSERT_TRUE(d.stressRatio && d.lode);
        // The quotients lose as much as the spread is small against the stresses.
        const double tolerance = 64 * DBL_EPSILON * m / spread;
        EXPECT_NEAR(*d.stressRatio, (l(1) - l(2)) / spread, tolerance) << i;
        EXPECT_NEAR(*d.lode, (2 * l(1) - l(0) - l(2)) / spread, 2 * tolerance) << i;
    }
}

TEST(WorkedSolutionAccuracy, TheTwoRotationsAreTurnsAboutFixedAxesAndMakeR)
{
    Random r(0x3a770003);
    for (int i = 0; i < 2000; ++i) {
        const double beta = i == 0 ? DegToRad(125) : r.Angle(), psi = i == 0 ? DegToRad(30) : r.Angle(),
                     theta = i == 0 ? DegToRad(15) : r.Angle();
        const UserRotations u = UserRotationsOf(beta, psi, theta);
        const Matrix3d b = AngleAxisd(psi, Vector3d::UnitX()).toRotationMatrix() *
                           AngleAxisd(beta, Vector3d::UnitZ()).toRotationMatrix();
        const Matrix3d a = AngleAxisd(-theta, Vector3d::UnitZ()).toRotationMatrix();
        EXPECT_LE((ToEigen(u.b) - b).cwiseAbs().maxCoeff(), 4 * DBL_EPSILON) << i;
        EXPECT_LE((ToEigen(u.a) - a).cwiseAbs().maxCoeff(), 4 * DBL_EPSILON) << i;
        // The very product that the program stores.
        EXPECT_EQ(MatrixProduct(u.a, u.b), BuildRotationMatrix(beta, psi, theta).rotation) << i;
    }
}

TEST(WorkedSolutionAccuracy, JointVectorsFromTheirDefinitions)
{
    Random r(0x3a770004);
    for (int i = 0; i < 3000; ++i) {
        const AnalysisState state = i == 0 ? DefaultAnalysis() : RandomAnalysis(r);
        const JointShear j = ShearOnJoint(state.joint, state.stress);
        const double az = state.joint.azimuth, dip = state.joint.dip, m = LargestMagnitude(state.stress);
        const Vector3d n(std::sin(az) * std::sin(dip), std::cos(az) * std::sin(dip), std::cos(dip));
        const Vector3d t = ToEigen(state.stress) * n, shear = t - n.dot(t) * n;
        EXPECT_LE((ToEigen(j.normal) - n).cwiseAbs().maxCoeff(), 4 * DBL_EPSILON);
        EXPECT_LE((ToEigen(j.traction) - t).cwiseAbs().maxCoeff(), 8 * DBL_EPSILON * m);
        EXPECT_LE((ToEigen(j.shearTraction) - shear).cwiseAbs().maxCoeff(), 16 * DBL_EPSILON * m);
        if (shear.norm() < 1e-6 * m) continue;  // the direction of a vanishing shear is rounding
        ASSERT_TRUE(j.direction);
        const Vector3d s = ToEigen(*j.direction), expected = shear.normalized();
        EXPECT_LE((s - expected).cwiseAbs().maxCoeff(), 64 * DBL_EPSILON * m / shear.norm()) << i;
        // Trend and plunge: of the downward end.
        const Vector3d down = s.z() > 0 ? Vector3d(-s) : s;
        const double trend = std::atan2(down.x(), down.y()), plunge = std::asin(std::min(1.0, -down.z()));
        EXPECT_NEAR(std::remainder(j.trend - trend, 2 * kPi), 0, 1e-9) << i;
        EXPECT_NEAR(j.plunge, plunge, 1e-7) << i;
        // Rake: from the horizontal line of the plane that has the plane's
        // dip to its right, towards the steepest ascent in the plane.
        // From the program's normal (checked above), whose z of a vertical plane is exactly 0.
        const Vector3d programNormal = ToEigen(j.normal);
        const Vector3d up = programNormal.z() < 0 ? Vector3d(-programNormal) : programNormal;
        const Vector3d strike = Vector3d::UnitZ().cross(up).normalized();
        const Vector3d ascent = (Vector3d::UnitZ() - up.z() * up).normalized();
        if (std::fabs(up.z()) < 1 - 1e-9) {
            EXPECT_NEAR(std::remainder(j.rake - std::atan2(s.dot(ascent), s.dot(strike)), 2 * kPi), 0, 1e-9)
                << i;
        }
    }
}

// The text of random states read back: each named value equals the oracle's
// within half a unit of its last decimal.
double Read(const std::string& text)
{
    std::string digits;
    for (char c : text)
        if (c != ',') digits += c;  // thousands
    return ParseNumber(digits, ".");
}

TEST(WorkedSolutionAccuracy, TheTextShowsTheOraclesNumbers)
{
    Random r(0x3a770005);
    for (int i = 0; i < 500; ++i) {
        SCOPED_TRACE(i);
        const AnalysisState state = i == 0 ? DefaultAnalysis() : RandomAnalysis(r);
        const std::string text = WorkedSolution(state, 0, {".", ","});
        const Oracle o = OracleOf(state.stress);
        const Vector3d l = o.eigen;
        auto near = [&](const char* name, double expected, int decimals) {
            const std::string shown = Value(text, name);
            ASSERT_FALSE(shown.empty()) << name;
            const double half = 0.5 * std::pow(10.0, -decimals);
            EXPECT_LE(std::fabs(Read(shown) - expected), half * (1 + 1e-9) + 1e-12 * std::fabs(expected))
                << name << " = " << shown << ", expected " << expected;
        };
        near("I₁", o.i1, 3);
        near("I₂", o.i2, 3);
        near("I₃", o.i3, 3);
        near("σ₁", l(0), 3);
        near("σ₂", l(1), 3);
        near("σ₃", l(2), 3);
        near("σₘ", o.i1 / 3, 3);
        near("J₂", o.j2, 3);
        near("J₃", o.j3, 3);
        near("σvM", std::sqrt(3 * o.j2), 3);
        near("σoct", o.i1 / 3, 3);
        near("τoct", std::sqrt(2 * o.j2 / 3), 3);
        near("τₘₐₓ", (l(0) - l(2)) / 2, 3);
        if (l(0) - l(2) > 1e-3) {
            near("R", (l(1) - l(2)) / (l(0) - l(2)), 3);
            near("ν", (2 * l(1) - l(0) - l(2)) / (l(0) - l(2)), 3);
        }
        const Matrix3d t = ToEigen(state.stress);
        const std::vector<std::string> deviator = MatrixRows(text, "S = T − σₘ I");
        ASSERT_EQ(deviator.size(), 3u);
        std::istringstream row(deviator[1]);
        std::string cell;
        for (int j = 0; j < 3 && row >> cell; ++j)
            EXPECT_LE(std::fabs(Read(cell) - o.deviator(1, j)), 0.0005 + 1e-12) << cell;
        const double az = state.joint.azimuth, dip = state.joint.dip;
        const Vector3d n(std::sin(az) * std::sin(dip), std::cos(az) * std::sin(dip), std::cos(dip));
        near("σₙ", n.dot(t * n), 3);
        near("τ", (t * n - n.dot(t * n) * n).norm(), 3);
    }
}

}  // namespace
}  // namespace tensorium::testing_support
