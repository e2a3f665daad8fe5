// The stress regimes a student picks from, named as the worked solution
// names them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/stress_regime.h"

namespace tensorium {

// Every regime, "unknown" last, in the order of the enum.
const std::vector<StressRegime>& RegimeChoices();

// Their names (RegimeName), in the same order, for a drop-down list.
std::vector<std::string> RegimeChoiceNames();

// The regime of a name that RegimeName gives; none for any other text.
std::optional<StressRegime> RegimeNamed(const std::string& name);

}  // namespace tensorium
