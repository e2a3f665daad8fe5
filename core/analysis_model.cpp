#include "core/analysis_model.h"

#include <vector>

namespace tensorium {

ModelSubscription& ModelSubscription::operator=(ModelSubscription&& other) noexcept
{
    if (this != &other) {
        Reset();
        registry_ = std::move(other.registry_);
        id_ = other.id_;
        other.registry_.reset();
    }
    return *this;
}

void ModelSubscription::Reset()
{
    if (const auto registry = registry_.lock()) registry->erase(id_);
    registry_.reset();
}

bool ModelSubscription::Active() const
{
    const auto registry = registry_.lock();
    return registry && registry->count(id_) > 0;
}

void AnalysisModel::BuildRotationMatrix()
{
    UserSystem& user = state_.user;
    const UserAxes axes = tensorium::BuildRotationMatrix(user.beta, user.psi, user.theta);
    user.rotation = axes.rotation;
    user.axisAzimuth = axes.axisAzimuth;
    user.axisDip = axes.axisDip;
}

void AnalysisModel::ComputePrincipalStresses()
{
    state_.principal = tensorium::ComputePrincipalStresses(state_.stress, state_.convention);
}

void AnalysisModel::TransformToUserSystem()
{
    state_.user.stress = tensorium::TransformToUserSystem(state_.stress, state_.user.rotation);
}

void AnalysisModel::ComputeJointStresses()
{
    state_.jointResult = tensorium::ComputeJointStresses(state_.joint, state_.stress);
    AssessJointStability();
}

void AnalysisModel::ComputeAll()
{
    BuildRotationMatrix();
    ComputePrincipalStresses();
    TransformToUserSystem();
    ComputeJointStresses();
}

void AnalysisModel::TransformToGlobalSystem()
{
    state_.stress = tensorium::TransformToGlobalSystem(state_.user.stress, state_.user.rotation);
}

void AnalysisModel::SetPorePressure(double porePressure)
{
    state_.porePressure = porePressure;
    AssessJointStability();
    Publish();
}

void AnalysisModel::AssessJointStability()
{
    state_.jointStability =
        AssessJoint(state_.jointResult, state_.joint, state_.principal, state_.porePressure);
}

ModelSubscription AnalysisModel::Subscribe(Listener listener)
{
    const int id = nextListener_++;
    listeners_->emplace(id, std::move(listener));
    return ModelSubscription(listeners_, id);
}

void AnalysisModel::Publish() const
{
    // A view may stop listening while it is told (a window that closes).
    std::vector<int> ids;
    for (const auto& entry : *listeners_) ids.push_back(entry.first);
    for (int id : ids) {
        const auto found = listeners_->find(id);
        if (found != listeners_->end()) {
            const Listener listener = found->second;
            listener(state_);
        }
    }
}

}  // namespace tensorium
