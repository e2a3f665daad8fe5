// A set of measured planes, as a teacher brings them from an outcrop or a
// borehole log: each with its orientation and, optionally, a name, the set
// (family) it belongs to and the slip seen on it.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace tensorium {

struct MeasuredPlane {
    std::string name;
    double dipDirection = 0;  // degrees clockwise from North, 0 <= dd < 360
    double dip = 0;           // degrees below the horizontal, 0 to 90
    std::string set;
    // The hanging wall's slip as a rake in degrees, (-180, 180] (see
    // core/fault_slip.h); none for a plane without slip data. The default
    // lets the planes still be written as {name, dd, dip, set}.
    std::optional<double> rake = std::nullopt;

    bool operator==(const MeasuredPlane& o) const
    {
        return name == o.name && dipDirection == o.dipDirection && dip == o.dip && set == o.set &&
               rake == o.rake;
    }
};

using PlaneSet = std::vector<MeasuredPlane>;

// Any finite direction in degrees as a dip direction: from 0 up to 360,
// without a negative zero.
inline double NormalisedDipDirection(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    if (d >= 360.0) d = 0;  // a tiny negative angle rounds to 360
    return d + 0.0;
}

}  // namespace tensorium
