#include "core/analysis_model.h"

namespace tensorium {

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

void AnalysisModel::Publish() const
{
    for (const Listener& listener : listeners_) listener(state_);
}

}  // namespace tensorium
