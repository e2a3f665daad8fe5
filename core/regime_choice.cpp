#include "core/regime_choice.h"

namespace tensorium {

const std::vector<StressRegime>& RegimeChoices()
{
    static const std::vector<StressRegime> choices = {
        StressRegime::normal,           StressRegime::normalStrikeSlip, StressRegime::strikeSlip,
        StressRegime::thrustStrikeSlip, StressRegime::thrust,           StressRegime::unknown};
    return choices;
}

std::vector<std::string> RegimeChoiceNames()
{
    std::vector<std::string> names;
    for (StressRegime regime : RegimeChoices()) names.emplace_back(RegimeName(regime));
    return names;
}

std::optional<StressRegime> RegimeNamed(const std::string& name)
{
    for (StressRegime regime : RegimeChoices())
        if (name == RegimeName(regime)) return regime;
    return std::nullopt;
}

}  // namespace tensorium
