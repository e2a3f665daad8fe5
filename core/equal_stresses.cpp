#include "core/equal_stresses.h"

#include <algorithm>
#include <cmath>

namespace tensorium {

EqualStresses EqualPrincipalStresses(const PrincipalResult& p)
{
    EqualStresses equal;
    const double spread = p.s1 - p.s3;
    // Written so that a NaN spread counts as no spread.
    if (!(spread > kEqualPrincipalGap * std::max(std::fabs(p.s1), std::fabs(p.s3)))) {
        equal.topPair = equal.bottomPair = equal.all = true;
        return equal;
    }
    equal.topPair = p.s1 - p.s2 < kEqualPrincipalGap * spread;
    equal.bottomPair = p.s2 - p.s3 < kEqualPrincipalGap * spread;
    return equal;
}

}  // namespace tensorium
