// Slip on a fault: the slip that a stress drives on a plane, the rake that
// names a slip direction in the plane, the rake from a striation and its
// sense, the angle between an observed and a predicted slip, and the P and T
// axes of a fault.
//
// Conventions: compression positive; global x East, y North, z up. A plane of
// dip direction a and dip d has the upward normal
// n = (sin a sin d, cos a sin d, cos d), and the block on the side n points to
// is the hanging wall; for a vertical plane n = (sin a, cos a, 0) is
// horizontal, and the hanging wall is the block it points to, as for a dip
// just below 90. A slip is always the hanging wall's, relative to the
// footwall.
//
// Rake: the angle in the plane from the strike direction (azimuth a - 90, so
// that the plane dips to its right) to the slip, positive when the slip goes
// up the dip, in (-180, 180]: +90 reverse, -90 normal, 0 sinistral, 180
// dextral. With strike = (-cos a, sin a, 0) and the up-dip direction
// (-sin a cos d, -cos a cos d, sin d) = n x strike, the slip of rake r is
// cos r strike + sin r up-dip.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/plane_set.h"
#include "core/stress_state.h"

namespace tensorium {

// The right-handed unit frame of a plane: strike x upDip = normal. Angles
// that are whole multiples of 90 degrees give exact zeros and ones.
struct PlaneFrame {
    Vec3 strike{};
    Vec3 upDip{};
    Vec3 normal{};  // upward, into the hanging wall
};
PlaneFrame FrameOf(const MeasuredPlane& plane);

// The unit slip the stress drives on the plane (Wallace-Bott): along the
// shear traction resolved on it with the compression-positive sign,
// s = -(T n - sigma n) / |T n - sigma n|, sigma = n.T n. None on a plane that
// carries no shear to within rounding (see fault_slip.cpp). The direction
// carries an error of about 3 eps max|S| / tau radians, S the deviator.
std::optional<Vec3> PredictedSlip(const MeasuredPlane& plane, const StressState& stress);

// The rake of PredictedSlip, when there is one.
std::optional<double> PredictedRake(const MeasuredPlane& plane, const StressState& stress);

// The rake of a slip direction in degrees, (-180, 180]: from its components
// along the strike and up the dip; any part along the normal is left out, and
// the length does not matter. A zero slip has the rake 0.
double RakeOf(const MeasuredPlane& plane, const Vec3& slipInPlane);

// The unit slip of a rake in degrees (any finite angle): the inverse of
// RakeOf.
Vec3 SlipOfRake(const MeasuredPlane& plane, double rakeDegrees);

// The sense of slip noted with a striation.
enum class SlipSense { Normal, Reverse, Dextral, Sinistral };

// N, R or T (thrust), D, S, or the words normal, reverse, thrust, dextral,
// sinistral, right-lateral and left-lateral, in any case and with blanks
// around; nothing for any other text.
std::optional<SlipSense> ParseSlipSense(std::string_view text);

// A striation may lie this far off its plane (degrees) and still count as
// slip on it: it is projected onto the plane. Further off, it is refused.
inline constexpr double kStriationOffPlaneDegrees = 10;
// A sense names a direction in the plane: down the dip (normal), up the dip
// (reverse), against the strike (dextral) or along it (sinistral). The
// projected striation contradicts the sense when its component along that
// direction is less than sin(10 degrees) of its length, that is, when it runs
// within 10 degrees of square to the direction the sense names.
inline constexpr double kSenseLeastDegrees = 10;

enum class StriationFault {
    None,
    Angles,    // a plunge outside 0 to 90, or an angle that is not finite
    OffPlane,  // more than kStriationOffPlaneDegrees off the plane
    Sense,     // the sense contradicts the striation
};

struct StriationResult {
    std::optional<double> rake;  // degrees, (-180, 180]; none with a fault
    StriationFault fault = StriationFault::None;
    // Why there is no rake, as the plane reader words it after the field:
    // "striation lies 11.3 degrees off the plane (10 at most)", "is normal,
    // but the striation runs within 10 degrees of the strike". Empty with a
    // rake.
    std::string reason;
};

// The rake of a striation of `trend` (degrees clockwise from North) and
// `plunge` (degrees down, 0 to 90) on the plane, projected onto it, the
// sense choosing which way along it the hanging wall slipped.
StriationResult RakeFromStriation(const MeasuredPlane& plane, double trend, double plunge, SlipSense sense);

// The angle between two slip directions in degrees, [0, 180], from the
// arctangent of |a x b| over a.b (accurate also for nearly parallel or
// opposite directions). The lengths do not matter; a zero vector gives 0.
double MisfitDegrees(const Vec3& observed, const Vec3& predicted);

// A fault's observed slip against the slip a stress predicts on it: both
// empty for a plane without an observed rake; the predicted rake and the
// misfit empty too where the stress drives no shear on it.
struct PlaneSlipFit {
    std::optional<double> predictedRake;
    std::optional<double> misfit;  // degrees, 0 to 180
};
PlaneSlipFit FitOfSlip(const MeasuredPlane& plane, const StressState& stress);

// The P (shortening) and T (extension) axes of a fault with the upward unit
// normal n and the hanging wall's unit slip s in the plane: P along n - s, T
// along n + s. A normal fault has a steep P axis, a reverse fault a steep T
// axis. Unit vectors pointing down (a horizontal one keeps its sense);
// OrientationOfDownward gives their trend and plunge.
struct FaultAxes {
    Vec3 p{};
    Vec3 t{};
};
FaultAxes PAndTAxes(const Vec3& normal, const Vec3& slip);

}  // namespace tensorium
