// The quantities an exercise may ask a student for, with the names the main
// window writes beside them and the keys that files store them under.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tensorium {

enum class Quantity {
    // The principal stresses, and the azimuth (under the state's convention)
    // and dip in degrees of each axis's downward end.
    s1,
    s2,
    s3,
    s1Azimuth,
    s1Dip,
    s2Azimuth,
    s2Dip,
    s3Azimuth,
    s3Dip,
    regime,
    // The joint.
    sigma,
    tau,
    tlim,
    safetyFactor,
    // The user system's stresses sx' ... tzx'.
    userSx,
    userSy,
    userSz,
    userTxy,
    userTyz,
    userTzx,
    criticalPlanes,  // planes of the plane set critically stressed at the pore pressure
    inversionRatio,  // R of the stress inverted from the faults' slips
};

// Every quantity, in the order above.
const std::vector<Quantity>& AllQuantities();

// "s1", "s1 azimuth", "s1 dip", ..., "regime", "sigma", "tau", "tlim", "SF",
// "sx'", ..., "tzx'", "critical planes", "R".
std::string DisplayName(Quantity quantity);

// "s1", "s1_azimuth", ..., "regime", "sigma", "tau", "tlim", "sf",
// "user_sx", ..., "user_tzx", "critical_planes", "inversion_r": letters,
// digits and underscores only, never changed once files hold them.
std::string QuantityKey(Quantity quantity);
std::optional<Quantity> QuantityFromKey(const std::string& key);

// The kinds of value, which decide the tolerance and the slips looked for.
bool IsPrincipalStress(Quantity quantity);  // s1, s2, s3
bool IsAzimuth(Quantity quantity);
bool IsDip(Quantity quantity);
bool IsUserStress(Quantity quantity);
// A stress (in the unit typed): the principal, joint and user stresses.
bool IsStress(Quantity quantity);
// The decimals the main window shows the quantity with: 3 for stresses, SF
// and R, 2 for angles, 0 for the count; 0 for the regime, which is a name.
int ShownDecimals(Quantity quantity);

// The principal axis (0, 1, 2) that an azimuth, dip or principal stress
// belongs to; -1 for any other quantity.
int PrincipalIndex(Quantity quantity);

}  // namespace tensorium
