// The stability field over the net against the formulas written out with an
// independent linear algebra, on random stress states.
#include "diagrams/stability_field.h"

#include <gtest/gtest.h>
#include <Eigen/Dense>

#include <cfloat>
#include <cmath>

#include "core/principal_solver.h"
#include "diagrams/net_projection.h"
#include "tests/core/random_stress.h"

namespace tensorium {
namespace {

FieldInputs Inputs(const StressState& s, double phi, double c, double p)
{
    const PrincipalResult r = ComputePrincipalStresses(s, AzimuthConvention::azClockwiseFromNorth);
    return {s, r.s1, r.s3, phi, c, p};
}

TEST(StabilityField, RandomStatesAgainstTheFormulas)
{
    testing_support::Random r(0xf1e1d001);
    for (int state = 0; state < 20; ++state) {
        const StressState s{10 * r.Signed(), 10 * r.Signed(), 10 * r.Signed(),
                            5 * r.Signed(),  5 * r.Signed(),  5 * r.Signed()};
        const FieldInputs in = Inputs(s, 40 * r.Unit() + 5, r.Unit(), 2 * r.Signed());
        Eigen::Matrix3d t;
        t << s.sx, s.txy, s.tzx, s.txy, s.sy, s.tyz, s.tzx, s.tyz, s.sz;
        const double scale = t.cwiseAbs().maxCoeff();
        for (FieldKind kind :
             {FieldKind::SlipTendency, FieldKind::DilationTendency, FieldKind::SafetyFactor}) {
            const StabilityField f = ComputeField(kind, in, 41);
            int checked = 0;
            for (int j = 0; j < f.size; ++j) {
                for (int i = 0; i < f.size; ++i) {
                    const double x = f.X(i), y = f.Y(j);
                    if (std::hypot(x, y) > 1 + f.Margin()) {
                        EXPECT_TRUE(std::isnan(f.At(i, j))) << "outside the net";
                        continue;
                    }
                    if (std::hypot(x, y) > 1) continue;  // the margin holds the values on the circle
                    // The plane's normal from the point, by the inverse projection.
                    const double r2 = x * x + y * y, h = std::sqrt(r2 * (2 - r2)) / std::sqrt(r2);
                    const Eigen::Vector3d n =
                        r2 == 0 ? Eigen::Vector3d(0, 0, 1) : Eigen::Vector3d(x * h, y * h, -(1 - r2));
                    const Eigen::Vector3d traction = t * n;
                    const double sigma = n.dot(traction), tau = (traction - sigma * n).norm();
                    const double eff = sigma - in.porePressure;
                    EXPECT_NEAR(f.EffectiveAt(i, j), eff, 1e-13 * scale);
                    if (std::fabs(eff) > 1e-9 * scale) {
                        EXPECT_EQ(f.Opened(i, j), eff < 0);
                    }
                    if (eff < -1e-9 * scale && kind != FieldKind::DilationTendency) {
                        EXPECT_TRUE(std::isnan(f.At(i, j))) << "an opened plane holds no quotient";
                        ++checked;
                        continue;
                    }
                    double expected = 0;
                    if (kind == FieldKind::SlipTendency) {
                        if (std::fabs(eff) < 0.1 * scale) continue;  // steep where sigma' nears 0
                        expected = tau / eff;
                    } else if (kind == FieldKind::DilationTendency) {
                        expected = (in.s1 - sigma) / (in.s1 - in.s3);
                    } else {
                        if (tau < 0.1 * scale) continue;
                        expected = (std::tan(in.phiDegrees * std::acos(-1.0) / 180) * eff + in.c) / tau;
                    }
                    // Within rounding of sigma' = 0 a plane may count as opened or not.
                    if (eff < 0 && kind != FieldKind::DilationTendency) continue;
                    ++checked;
                    // A few roundings of values of order max|T|, through quotients of order one.
                    EXPECT_NEAR(f.At(i, j), expected, 1e-13 * (1 + std::fabs(expected))) << i << ", " << j;
                    EXPECT_GE(f.At(i, j), f.low);
                    EXPECT_LE(f.At(i, j), f.high);
                }
            }
            EXPECT_GT(checked, 100);
        }
    }
}

TEST(StabilityField, DilationTendencyRunsFromZeroAtS1ToOneAtS3)
{
    const StabilityField f =
        ComputeField(FieldKind::DilationTendency, Inputs({8, 3, 1, 0, 0, 0}, 30, 0, 0), 101);
    EXPECT_NEAR(f.low, 0, 0.01);   // planes normal to s1 (x): poles near East and West
    EXPECT_NEAR(f.high, 1, 1e-3);  // the plane normal to s3 (z): the centre
    EXPECT_NEAR(f.At(50, 50), 1, 1e-12);
}

// Under a hydrostatic state no plane carries shear: no plane has a safety
// factor, and every closed plane's slip tendency is exactly 0. Under a
// pressure above the stress every plane is opened and has no slip tendency.
TEST(StabilityField, HydrostaticStateHasNoShearAnywhere)
{
    const double p = 5.0;
    const FieldInputs in = Inputs({p, p, p, 0, 0, 0}, 30, 1, 2);
    for (double v : ComputeField(FieldKind::SafetyFactor, in, 41).values) EXPECT_TRUE(std::isnan(v));
    const StabilityField slip = ComputeField(FieldKind::SlipTendency, in, 41);
    int inside = 0;
    for (double v : slip.values) {
        if (std::isnan(v)) continue;
        EXPECT_EQ(v, 0);
        ++inside;
    }
    EXPECT_GT(inside, 41 * 41 / 2);
    EXPECT_EQ(slip.openedNodes, 0);
    EXPECT_EQ(slip.low, 0);
    EXPECT_EQ(slip.high, 0);

    const double tension = -6.219727653541192;
    const StabilityField opened =
        ComputeField(FieldKind::SlipTendency, Inputs({tension, tension, tension, 0, 0, 0}, 30, 1, 2), 41);
    for (double v : opened.values) EXPECT_TRUE(std::isnan(v));
    EXPECT_EQ(opened.openedNodes, inside) << "every node that had a value";
}

// A pressure between s3 and s1 opens the planes whose normal stress it
// exceeds: around the pole of s3 (the vertical z, at the centre). Their slip
// tendency and safety factor are left out, never negative; the dilation
// tendency is kept; the region is the same in every field.
TEST(StabilityField, PlanesOpenedByThePressureAreMarked)
{
    const FieldInputs in = Inputs({50, 30, 10, 0, 0, 0}, 30, 0, 25);
    const StabilityField slip = ComputeField(FieldKind::SlipTendency, in, 64);
    const StabilityField safety = ComputeField(FieldKind::SafetyFactor, in, 64);
    const StabilityField dilation = ComputeField(FieldKind::DilationTendency, in, 64);
    EXPECT_GT(slip.openedNodes, 64 * 64 / 20);
    EXPECT_EQ(safety.openedNodes, slip.openedNodes);
    EXPECT_EQ(dilation.openedNodes, slip.openedNodes);
    EXPECT_TRUE(slip.Opened(31, 31)) << "the plane normal to s3 = 10 < p";
    EXPECT_FALSE(slip.Opened(0, 31)) << "the plane normal to s1 = 50 > p";
    for (int j = 0; j < slip.size; ++j) {
        for (int i = 0; i < slip.size; ++i) {
            if (slip.Opened(i, j)) {
                EXPECT_TRUE(std::isnan(slip.At(i, j)));
                EXPECT_TRUE(std::isnan(safety.At(i, j)));
                EXPECT_TRUE(std::isfinite(dilation.At(i, j)));
            } else if (std::isfinite(slip.At(i, j))) {
                EXPECT_GE(slip.At(i, j), 0);
                EXPECT_GE(safety.At(i, j), 0);
            }
        }
    }
    EXPECT_GE(slip.low, 0);
}

// The colours' range: fixed per field, from the friction angle alone.
TEST(StabilityField, RangesAreFixedAndPutFailureInTheMiddle)
{
    for (double phi : {5.0, 14.0, 30.0, 45.0, 70.0}) {
        const double mu = std::tan(phi * std::acos(-1.0) / 180);
        const ValueRange slip = FieldRange(FieldKind::SlipTendency, phi);
        EXPECT_EQ(slip.low, 0);
        EXPECT_NEAR(slip.high, 2 * mu, 4 * DBL_EPSILON * mu);
        ASSERT_TRUE(FailureValue(FieldKind::SlipTendency, phi).has_value());
        EXPECT_NEAR(*FailureValue(FieldKind::SlipTendency, phi), mu, 2 * DBL_EPSILON * mu);
    }
    EXPECT_EQ(FieldRange(FieldKind::SlipTendency, 0).high, 1) << "without friction";
    EXPECT_FALSE(FailureValue(FieldKind::SlipTendency, 0).has_value());
    EXPECT_EQ(FieldRange(FieldKind::SafetyFactor, 30).low, 0);
    EXPECT_EQ(FieldRange(FieldKind::SafetyFactor, 30).high, 2);
    EXPECT_EQ(FailureValue(FieldKind::SafetyFactor, 30), 1.0);
    EXPECT_EQ(FieldRange(FieldKind::DilationTendency, 30).high, 1);
    EXPECT_FALSE(FailureValue(FieldKind::DilationTendency, 30).has_value());
    EXPECT_TRUE(FailsHigh(FieldKind::SlipTendency));
    EXPECT_TRUE(FailsHigh(FieldKind::DilationTendency));
    EXPECT_FALSE(FailsHigh(FieldKind::SafetyFactor));
}

TEST(StabilityField, NoneHoldsNoValues)
{
    const StabilityField f = ComputeField(FieldKind::None, Inputs({8, 3, 1, 0, 0, 0}, 30, 0, 0), 11);
    for (double v : f.values) EXPECT_TRUE(std::isnan(v));
}

}  // namespace
}  // namespace tensorium
