#include "core/exercise_quantity.h"

namespace tensorium {
namespace {

struct Names {
    Quantity quantity;
    const char* display;
    const char* key;
};

constexpr Names kNames[] = {
    {Quantity::s1, "s1", "s1"},
    {Quantity::s2, "s2", "s2"},
    {Quantity::s3, "s3", "s3"},
    {Quantity::s1Azimuth, "s1 azimuth", "s1_azimuth"},
    {Quantity::s1Dip, "s1 dip", "s1_dip"},
    {Quantity::s2Azimuth, "s2 azimuth", "s2_azimuth"},
    {Quantity::s2Dip, "s2 dip", "s2_dip"},
    {Quantity::s3Azimuth, "s3 azimuth", "s3_azimuth"},
    {Quantity::s3Dip, "s3 dip", "s3_dip"},
    {Quantity::regime, "regime", "regime"},
    {Quantity::sigma, "sigma", "sigma"},
    {Quantity::tau, "tau", "tau"},
    {Quantity::tlim, "tlim", "tlim"},
    {Quantity::safetyFactor, "SF", "sf"},
    {Quantity::userSx, "sx'", "user_sx"},
    {Quantity::userSy, "sy'", "user_sy"},
    {Quantity::userSz, "sz'", "user_sz"},
    {Quantity::userTxy, "txy'", "user_txy"},
    {Quantity::userTyz, "tyz'", "user_tyz"},
    {Quantity::userTzx, "tzx'", "user_tzx"},
    {Quantity::criticalPlanes, "critical planes", "critical_planes"},
    {Quantity::inversionRatio, "R", "inversion_r"},
};

// The table is looked up by the enum's value.
constexpr bool InEnumOrder()
{
    for (int i = 0; i < static_cast<int>(sizeof kNames / sizeof kNames[0]); ++i)
        if (static_cast<int>(kNames[i].quantity) != i) return false;
    return true;
}
static_assert(InEnumOrder() &&
              static_cast<int>(Quantity::inversionRatio) + 1 == sizeof kNames / sizeof kNames[0]);

const Names& NamesOf(Quantity quantity) { return kNames[static_cast<int>(quantity)]; }

}  // namespace

const std::vector<Quantity>& AllQuantities()
{
    static const std::vector<Quantity> all = [] {
        std::vector<Quantity> list;
        for (const Names& names : kNames) list.push_back(names.quantity);
        return list;
    }();
    return all;
}

std::string DisplayName(Quantity quantity) { return NamesOf(quantity).display; }

std::string QuantityKey(Quantity quantity) { return NamesOf(quantity).key; }

std::optional<Quantity> QuantityFromKey(const std::string& key)
{
    for (const Names& names : kNames)
        if (key == names.key) return names.quantity;
    return std::nullopt;
}

bool IsPrincipalStress(Quantity q) { return q == Quantity::s1 || q == Quantity::s2 || q == Quantity::s3; }

bool IsAzimuth(Quantity q)
{
    return q == Quantity::s1Azimuth || q == Quantity::s2Azimuth || q == Quantity::s3Azimuth;
}

bool IsDip(Quantity q) { return q == Quantity::s1Dip || q == Quantity::s2Dip || q == Quantity::s3Dip; }

bool IsUserStress(Quantity q)
{
    return static_cast<int>(q) >= static_cast<int>(Quantity::userSx) &&
           static_cast<int>(q) <= static_cast<int>(Quantity::userTzx);
}

bool IsStress(Quantity q)
{
    return IsPrincipalStress(q) || IsUserStress(q) || q == Quantity::sigma || q == Quantity::tau ||
           q == Quantity::tlim;
}

int ShownDecimals(Quantity q)
{
    if (IsAzimuth(q) || IsDip(q)) return 2;
    if (q == Quantity::regime || q == Quantity::criticalPlanes) return 0;
    return 3;
}

int PrincipalIndex(Quantity q)
{
    switch (q) {
        case Quantity::s1:
        case Quantity::s1Azimuth:
        case Quantity::s1Dip: return 0;
        case Quantity::s2:
        case Quantity::s2Azimuth:
        case Quantity::s2Dip: return 1;
        case Quantity::s3:
        case Quantity::s3Azimuth:
        case Quantity::s3Dip: return 2;
        default: return -1;
    }
}

}  // namespace tensorium
