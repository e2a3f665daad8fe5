#include "core/worked_solution.h"

#include <cmath>

#include "core/equal_stresses.h"
#include "core/joint_shear.h"
#include "core/mohr_coulomb.h"
#include "core/stability.h"
#include "core/stress_descriptors.h"
#include "core/stress_regime.h"
#include "core/user_rotations.h"
#include "core/working_text.h"

namespace tensorium {
namespace {

const char* const kIndex[3] = {"₁", "₂", "₃"};

std::string Sigma(int k) { return std::string("σ") + kIndex[k]; }

std::string AzimuthWords(AzimuthConvention convention)
{
    return convention == AzimuthConvention::azClockwiseFromNorth ? "clockwise from North"
                                                                 : "counterclockwise from East";
}

// "name = formula = value", or the reason why the quotient has no value.
void QuotientLine(WorkingText& w, const std::string& name, const std::string& formula,
                  const std::optional<double>& value, const std::string& reason)
{
    if (value)
        w.Line(name + " = " + formula + " = " + w.Ratio(*value));
    else
        w.Line(name + " = " + formula + " has no value (" + reason + ")");
}

void WriteTensorAndInvariants(WorkingText& w, const AnalysisState& s, const StressDescriptors& d)
{
    w.Line("1. Stress tensor and invariants (x East, y North, z up)");
    w.Matrix("T", ToMatrix(s.stress), 3);
    w.Line("I₁ = sx + sy + sz = " + w.Stress(d.i1));
    w.Line("I₂ = sx sy + sy sz + sz sx − txy² − tyz² − tzx² = " + w.Stress(d.i2));
    w.Line("I₃ = det T = " + w.Stress(d.i3));
    w.Line("σ³ − I₁ σ² + I₂ σ − I₃ = 0");
    w.Line("σ³" + w.SignedTerm(-d.i1, 3) + " σ²" + w.SignedTerm(d.i2, 3) + " σ" + w.SignedTerm(-d.i3, 3) +
           " = 0");
}

void WritePrincipalStresses(WorkingText& w, const AnalysisState& s)
{
    w.Line("2. Principal stresses, the roots σ₁ ≥ σ₂ ≥ σ₃, and their axes");
    const double values[3] = {s.principal.s1, s.principal.s2, s.principal.s3};
    for (int k = 0; k < 3; ++k) {
        const PrincipalAxis& axis = s.principal.axes[k];
        const std::string i = kIndex[k];
        w.Line(Sigma(k) + " = " + w.Stress(values[k]));
        w.Line("  (L" + i + ", M" + i + ", N" + i + ") = " + w.Vector(axis.cosines, 6));
        w.Line("  azimuth of " + Sigma(k) + " = " + w.Angle(axis.azimuth));
        w.Line("  dip of " + Sigma(k) + " = " + w.Angle(axis.dip));
    }
    w.Prose(
        "The cosines shown for σ₁ may point up: its sense is chosen so that the three axes form a "
        "right-handed set. Azimuth and dip always belong to the downward end of each axis; azimuths "
        "are " +
        AzimuthWords(s.convention) + ".");
}

void WriteDescriptors(WorkingText& w, const AnalysisState& s, const StressDescriptors& d)
{
    w.Line("3. Descriptors");
    w.Prose(
        "σₘ mean stress, S deviatoric tensor, σvM von Mises equivalent stress, σoct and τoct octahedral "
        "normal and shear stress, τₘₐₓ greatest shear stress, R stress ratio, ν Lode parameter.");
    w.Line("σₘ = I₁ / 3 = " + w.Stress(d.mean));
    w.Matrix("S = T − σₘ I", ToMatrix(d.deviator), 3);
    w.Line("J₂ = ½ tr(S²) = " + w.Stress(d.j2));
    w.Line("J₃ = det S = " + w.Stress(d.j3));
    w.Line("σvM = √(3 J₂) = " + w.Stress(d.vonMises));
    w.Line("σoct = I₁ / 3 = " + w.Stress(d.mean));
    w.Line("τoct = √(2 J₂ / 3) = " + w.Stress(d.octahedralShear));
    w.Line("τₘₐₓ = (σ₁ − σ₃) / 2 = " + w.Stress(d.maxShear));
    QuotientLine(w, "R", "(σ₂ − σ₃) / (σ₁ − σ₃)", d.stressRatio, "σ₁ = σ₃");
    QuotientLine(w, "ν", "(2 σ₂ − σ₁ − σ₃) / (σ₁ − σ₃)", d.lode, "σ₁ = σ₃");
    std::string plunges;
    for (int k = 0; k < 3; ++k)
        plunges += (k ? w.ListGap() : "") + w.Number(ShownPlungeDegrees(s.principal.axes[k]), 2) + "°";
    w.Line("plunges of σ₁, σ₂, σ₃ = " + plunges);
    if (EqualPrincipalStresses(s.principal).all)
        w.Line("stress regime has no value (σ₁ = σ₂ = σ₃)");
    else
        w.Line(std::string("stress regime = ") + RegimeName(RegimeOf(s.principal)));
    w.Prose(
        "With compression positive the most compressive stress S1 of the World Stress Map rules is σ₁, "
        "S2 is σ₂ and S3 is σ₃; the plunges are the dips of the axes' downward ends.");
}

void WriteUserSystem(WorkingText& w, const AnalysisState& s)
{
    const UserSystem& u = s.user;
    w.Line("4. User system x', y', z'");
    w.Line("β = " + w.Angle(u.beta));
    w.Line("ψ = " + w.Angle(u.psi));
    w.Line("θ = " + w.Angle(u.theta));
    w.Prose(
        "B(β, ψ) turns the horizontal axes by β (y to azimuth β) and tilts z' by ψ towards azimuth β; "
        "A(θ) then turns x' and y' about z'.");
    const UserRotations r = UserRotationsOf(u.beta, u.psi, u.theta);
    w.Matrix("B(β, ψ)",
             {{{"cos β", "−sin β", "0"},
               {"sin β cos ψ", "cos β cos ψ", "−sin ψ"},
               {"sin β sin ψ", "cos β sin ψ", "cos ψ"}}},
             r.b, 6);
    w.Matrix("A(θ)", {{{"cos θ", "sin θ", "0"}, {"−sin θ", "cos θ", "0"}, {"0", "0", "1"}}}, r.a, 6);
    w.Line("R = A(θ) B(β, ψ), rows x', y', z' in global components:");
    const char* const rows[3] = {"x'", "y'", "z'"};
    for (int i = 0; i < 3; ++i) w.Line(std::string(rows[i]) + " = " + w.Vector(u.rotation[i], 6));
    const StressState& p = u.stress;
    w.Matrix("S' = R T Rᵀ", {{{p.sx, p.txy, p.tzx}, {p.txy, p.sy, p.tyz}, {p.tzx, p.tyz, p.sz}}}, 3);
}

void WriteJoint(WorkingText& w, const AnalysisState& s, double porePressure)
{
    const JointPlane& j = s.joint;
    const JointResult& r = s.jointResult;
    w.Line("5. Joint");
    w.Prose(
        "n unit normal, t traction, σₙ normal stress, tₛ shear traction, τ shear stress, s direction "
        "of shear, tlim Mohr-Coulomb limit, SF safety factor, Ts slip tendency, Td dilation tendency, Δp "
        "crit critical pore pressure rise.");
    w.Line("dip direction α = " + w.Angle(j.azimuth));
    w.Line("dip δ = " + w.Angle(j.dip));
    w.Line("φ = " + w.Number(j.phi, 2) + "°");
    w.Line("c = " + w.Stress(j.c));
    const JointShear shear = ShearOnJoint(j, s.stress);
    w.Line("n = (sin α sin δ, cos α sin δ, cos δ) = " + w.Vector(shear.normal, 6));
    w.Line("t = T n = " + w.Vector(shear.traction, 3));
    w.Line("σₙ = n · t = " + w.Stress(r.sigma));
    w.Line("tₛ = t − σₙ n = " + w.Vector(shear.shearTraction, 3));
    w.Line("τ = |tₛ| = " + w.Stress(r.tau));
    if (shear.direction && r.tau != 0) {
        w.Line("s = tₛ / τ = " + w.Vector(*shear.direction, 6));
        w.Line("trend of the line of s = " + w.Angle(shear.trend));
        w.Line("plunge of the line of s = " + w.Angle(shear.plunge));
        w.Line("rake of s = " + w.Angle(shear.rake));
        w.Prose(
            "Trend and plunge are those of the line's downward end, clockwise from North. The rake is the "
            "angle in the plane from the strike (dip direction − 90°) to s, positive up the dip.");
        // The hanging wall moves along -s: the rake half a turn on (radians).
        const double slipRake = shear.rake > 0 ? shear.rake - M_PI : shear.rake + M_PI;
        w.Line("rake of the hanging wall's slip, along −s = " + w.Angle(slipRake));
        w.Prose(
            "s is the direction of the shear traction tₛ, worked out with compression positive. The "
            "hanging wall slips the other way, along −s "
            "(Wallace 1951, Bott 1959): a rake of +90° is a reverse fault, −90° a normal fault, 0° "
            "sinistral and ±180° dextral. The plane set's predicted rake is this one.");
    } else {
        w.Line("s = tₛ / τ has no value (τ = 0, see 6)");
    }
    w.Line("tlim = c + σₙ tan φ = " + w.Stress(r.tlim));
    if (r.sigma < 0) w.Line("No frictional strength in tension: tlim = 0 because σₙ < 0.");
    QuotientLine(w, "SF", "tlim / τ", SafetyFactor(r), r.tau == 0 ? "τ = 0, see 6" : "no finite quotient");
    const PlaneStability dry = AssessJoint(r, j, s.principal, 0);
    QuotientLine(w, "Ts", "τ / σₙ", dry.slipTendency, "σₙ = 0");
    QuotientLine(w, "Td", "(σ₁ − σₙ) / (σ₁ − σ₃)", dry.dilationTendency, "σ₁ = σ₃");
    if (dry.criticalPressureRise)
        w.Line("Δp crit = σₙ − (τ − c) / tan φ = " + w.Stress(*dry.criticalPressureRise));
    else
        w.Line("Δp crit = σₙ − (τ − c) / tan φ has no value (tan φ = 0)");
    if (porePressure == 0) {
        w.Line("p = " + w.Stress(0) + ": the effective values are the ones above.");
        return;
    }
    const PlaneStability wet = AssessJoint(r, j, s.principal, porePressure);
    w.Line("Effective values under the pore pressure of the explorer:");
    w.Line("p = " + w.Stress(porePressure));
    w.Line("σₙ' = σₙ − p = " + w.Stress(wet.sigmaEff));
    w.Line("tlim' = c + σₙ' tan φ = " + w.Stress(MohrCoulombLimit(wet.sigmaEff, j.phi, j.c)));
    if (wet.sigmaEff < 0) w.Line("No frictional strength in tension: tlim' = 0 because σₙ' < 0.");
    QuotientLine(w, "SF(p)", "tlim' / τ", wet.safetyFactor,
                 r.tau == 0 ? "τ = 0, see 6" : "no finite quotient");
    QuotientLine(w, "Ts(p)", "τ / σₙ'", wet.slipTendency, "σₙ' = 0");
    if (wet.criticalPressureRise)
        w.Line("Δp crit(p) = σₙ' − (τ − c) / tan φ = " + w.Stress(*wet.criticalPressureRise));
    else
        w.Line("Δp crit(p) = σₙ' − (τ − c) / tan φ has no value (tan φ = 0)");
}

void WriteSpecialCases(WorkingText& w, const AnalysisState& s)
{
    w.Line("6. Special cases");
    const EqualStresses equal = EqualPrincipalStresses(s.principal);
    if (equal.all) {
        w.Prose(
            "σ₁ = σ₂ = σ₃: every direction is principal, so the axes shown are one choice among many; "
            "R, ν and the stress regime have no value.");
    } else if (equal.topPair) {
        w.Prose(
            "σ₁ = σ₂: every direction in the plane normal to the σ₃ axis is principal, so the σ₁ and σ₂ "
            "axes shown, and the stress regime read from them, are one choice among many.");
    } else if (equal.bottomPair) {
        w.Prose(
            "σ₂ = σ₃: every direction in the plane normal to the σ₁ axis is principal, so the σ₂ and σ₃ "
            "axes shown, and the stress regime read from them, are one choice among many.");
    }
    bool any = equal.topPair || equal.bottomPair;
    if (s.jointResult.tau == 0) {
        w.Prose(
            "τ = 0 on the joint: the plane carries no shear stress (it is a principal plane), so SF = tlim / "
            "τ would divide by zero and has no value; the joint cannot slip, and there is no direction of "
            "shear.");
        any = true;
    }
    if (!any) w.Line("None: the principal stresses differ and the joint carries shear.");
}

}  // namespace

std::string WorkedSolution(const AnalysisState& state, double porePressure,
                           const NumberSeparators& separators)
{
    WorkingText w(separators);
    const StressDescriptors d = DescribeStress(state.stress, state.principal);
    w.Line("Tensorium - worked solution");
    w.Prose(
        "Compression is positive. Stresses have 3 decimals, unit vectors and cosines 6, angles 2 (degrees), "
        "ratios 3.");
    w.Blank();
    WriteTensorAndInvariants(w, state, d);
    w.Blank();
    WritePrincipalStresses(w, state);
    w.Blank();
    WriteDescriptors(w, state, d);
    w.Blank();
    WriteUserSystem(w, state);
    w.Blank();
    WriteJoint(w, state, porePressure);
    w.Blank();
    WriteSpecialCases(w, state);
    return w.Text();
}

}  // namespace tensorium
