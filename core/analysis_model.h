// The analysis that the windows show: every input as a number and every
// result computed from them, in one state that the main window's cycle
// fills step by step and that every view reads after it changes. No toolkit.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "core/angles.h"
#include "core/joint.h"
#include "core/principal_solver.h"
#include "core/stability.h"
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
    double porePressure = 0;  // lowers every normal stress: sigma' = sigma - p

    // Results; zero until the first cycle.
    PrincipalResult principal;
    JointResult jointResult;
    PlaneStability jointStability;  // the joint under the pore pressure
};

// A view's registration with the model: while it lives the view is told of
// every change; destroying or resetting it stops that, even after the model
// itself has gone.
class ModelSubscription {
public:
    ModelSubscription() = default;
    ModelSubscription(ModelSubscription&&) noexcept = default;
    ModelSubscription& operator=(ModelSubscription&& other) noexcept;
    ~ModelSubscription() { Reset(); }
    void Reset();
    bool Active() const;

private:
    friend class AnalysisModel;
    using Registry = std::map<int, std::function<void(const AnalysisState&)>>;
    ModelSubscription(std::weak_ptr<Registry> registry, int id) : registry_(std::move(registry)), id_(id) {}
    std::weak_ptr<Registry> registry_;
    int id_ = 0;
};

class AnalysisModel {
public:
    AnalysisModel() = default;
    // One model, one set of listeners: a copy would share them.
    AnalysisModel(const AnalysisModel&) = delete;
    AnalysisModel& operator=(const AnalysisModel&) = delete;
    AnalysisModel(AnalysisModel&&) = default;
    AnalysisModel& operator=(AnalysisModel&&) = default;

    AnalysisState& state() { return state_; }
    const AnalysisState& state() const { return state_; }

    // The computing steps, in the order the cycle runs them. Each overwrites
    // only its own results and throws TensorError on a floating-point fault.
    void BuildRotationMatrix();
    void ComputePrincipalStresses();
    void TransformToUserSystem();
    void ComputeJointStresses();  // with the joint's stability under the pore pressure
    // The four steps above, for views that compute without a window.
    void ComputeAll();

    // "Update global from user": the user-system stresses into the global ones.
    void TransformToGlobalSystem();

    // Stores a new pore pressure, assesses the joint under it and tells
    // every view; the stresses of the last cycle stay.
    void SetPorePressure(double porePressure);

    // Views that follow every completed cycle and every pore pressure.
    using Listener = std::function<void(const AnalysisState&)>;
    [[nodiscard]] ModelSubscription Subscribe(Listener listener);
    int ListenerCount() const { return static_cast<int>(listeners_->size()); }
    void Publish() const;

private:
    void AssessJointStability();

    AnalysisState state_;
    std::shared_ptr<ModelSubscription::Registry> listeners_ = std::make_shared<ModelSubscription::Registry>();
    int nextListener_ = 1;
};

}  // namespace tensorium
