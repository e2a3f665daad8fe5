// The analysis that the windows show: every input as a number and every
// result computed from them, in one state that the main window's cycle
// fills step by step and that other views read after each cycle. No toolkit.
#pragma once

#include <functional>
#include <vector>

#include "core/angles.h"
#include "core/joint.h"
#include "core/principal_solver.h"
#include "core/stress_state.h"
#include "core/user_system.h"

namespace tensorium {

struct AnalysisState {
    // Inputs, stored one by one as they are read (a failing read leaves the
    // earlier ones stored). The convention starts at its stored value 0.
    AzimuthConvention convention = AzimuthConvention::azCounterclockwiseFromEast;
    StressState stress;
    UserSystem user;  // beta, psi, theta (radians) are inputs; the user stresses both
    JointPlane joint;

    // Results; zero until the first cycle.
    PrincipalResult principal;
    JointResult jointResult;
};

class AnalysisModel {
public:
    AnalysisState& state() { return state_; }
    const AnalysisState& state() const { return state_; }

    // The computing steps, in the order the cycle runs them. Each overwrites
    // only its own results and throws TensorError on a floating-point fault.
    void BuildRotationMatrix();
    void ComputePrincipalStresses();
    void TransformToUserSystem();
    void ComputeJointStresses();
    // The four steps above, for views that compute without a window.
    void ComputeAll();

    // "Update global from user": the user-system stresses into the global ones.
    void TransformToGlobalSystem();

    // Views that follow every completed cycle.
    using Listener = std::function<void(const AnalysisState&)>;
    void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }
    void Publish() const;

private:
    AnalysisState state_;
    std::vector<Listener> listeners_;
};

}  // namespace tensorium
