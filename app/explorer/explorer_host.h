// What the stress explorer needs of the window it follows: the analysis of
// the last cycle, the regional separators, a way to move the joint (which
// runs that window's cycle) and the failure guard of its handlers.
#pragma once

#include <functional>

#include "core/analysis_model.h"
#include "core/number_format.h"

namespace tensorium {

class ExplorerHost {
public:
    virtual ~ExplorerHost() = default;
    virtual AnalysisModel& Model() = 0;
    virtual const NumberSeparators& Separators() const = 0;
    // Writes the joint's dip direction and dip (degrees) into the inputs and
    // runs the cycle, as typing them would.
    virtual void MoveJoint(double dipDirectionDegrees, double dipDegrees) = 0;
    // Runs `action`, showing any failure in the failure box.
    virtual void RunGuarded(const std::function<void()>& action) = 0;
};

}  // namespace tensorium
