#include "core/stress_inversion_linear.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

namespace tensorium {
namespace {

// The smallest pivot of the least-squares matrix, relative to the largest,
// below which the faults leave a combination of the five components free:
// rounding leaves pivots of about 1e-16 in a matrix of lower rank, and one
// of 1e-9 would let the data's rounding move the tensor by 1e-7.
constexpr double kRankThreshold = 1e-9;

// E n for the five deviatoric basis tensors diag(1, 0, -1), the xy pair, the
// zx pair, diag(0, 1, -1) and the yz pair.
Eigen::Matrix<double, 3, 5> BasisTractions(const Eigen::Vector3d& n)
{
    Eigen::Matrix<double, 3, 5> e;
    e.col(0) << n[0], 0, -n[2];
    e.col(1) << n[1], n[0], 0;
    e.col(2) << n[2], 0, n[0];
    e.col(3) << 0, n[1], -n[2];
    e.col(4) << 0, n[2], n[1];
    return e;
}

}  // namespace

LinearStressEstimate EstimateStressLinearly(const std::vector<WeightedFault>& faults)
{
    const Eigen::Index count = static_cast<Eigen::Index>(faults.size());
    Eigen::MatrixXd a(3 * count, 5);
    Eigen::VectorXd b(3 * count);
    for (Eigen::Index i = 0; i < count; ++i) {
        const WeightedFault& fault = faults[static_cast<size_t>(i)];
        const Eigen::Vector3d n(fault.normal[0], fault.normal[1], fault.normal[2]);
        const Eigen::Vector3d s(fault.slip[0], fault.slip[1], fault.slip[2]);
        // A fault drawn k times counts as k equal rows: sqrt(k) on one row.
        const double root = std::sqrt(fault.weight);
        const Eigen::Matrix<double, 3, 5> e = BasisTractions(n);
        // The shear part (I - n n^T) E n, set against the opposite of the slip.
        a.middleRows<3>(3 * i) = root * (e - n * (n.transpose() * e));
        b.segment<3>(3 * i) = -root * s;
    }
    Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(a);
    qr.setThreshold(kRankThreshold);
    if (count == 0 || qr.rank() < 5) return {};
    const Eigen::Matrix<double, 5, 1> t = qr.solve(b);

    Eigen::Matrix3d tensor;
    tensor << t[0], t[1], t[2], t[1], t[3], t[4], t[2], t[4], -t[0] - t[3];
    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> eigen(tensor);
    const Eigen::Vector3d values = eigen.eigenvalues();  // ascending
    const double spread = values[2] - values[0];
    if (eigen.info() != Eigen::Success || !(spread > 0) || !std::isfinite(spread)) return {};

    LinearStressEstimate estimate;
    estimate.determined = true;
    Vec3* axes[3] = {&estimate.stress.s3, &estimate.stress.s2, &estimate.stress.s1};
    for (int k = 0; k < 3; ++k) {
        const Eigen::Vector3d v = eigen.eigenvectors().col(k).normalized();
        *axes[k] = AxisPointingDown({v[0], v[1], v[2]});
    }
    estimate.stress.ratio = std::clamp((values[1] - values[0]) / spread, 0.0, 1.0);
    return estimate;
}

}  // namespace tensorium
