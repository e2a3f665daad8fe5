#include "core/stress_inversion_refine.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

namespace tensorium {
namespace {

using Eigen::Matrix3d;
using Eigen::Matrix4d;
using Eigen::Vector3d;
using Eigen::Vector4d;

// Enough linearisations for any start measured: from the linear estimate
// the search takes up to 15 of them, and up to about 100 where R lies within
// 0.01 of 0 or 1 and the two axes of nearly equal stress turn slowly.
constexpr int kMaxIterations = 200;
// A step below this (radians of rotation, and R) ends the search. On exact
// data the steps shrink quadratically and end at rounding level; otherwise
// the cost stops telling points apart about sqrt(eps) = 1.5e-8 from its
// minimum, and steps there no longer lower it.
constexpr double kSmallestStep = 1e-11;
// Damping beyond this many times the summed weight leaves steps too small to
// change the cost.
constexpr double kLargestDamping = 1e12;
// Damping kept above this many times the summed weight, so that a run of
// good steps cannot take it to zero, from where no bad step could raise it.
constexpr double kSmallestDamping = 1e-12;

struct Fault {
    Vector3d n, s;
    double weight;
};

// Axes s1, s2, s3 as the columns of q, for the stresses 1, R and 0.
struct Axes {
    Matrix3d q;
    double ratio;
};

Matrix3d TensorOf(const Axes& axes)
{
    return axes.q.col(0) * axes.q.col(0).transpose() + axes.ratio * axes.q.col(1) * axes.q.col(1).transpose();
}

Vector3d ToEigen(const Vec3& v) { return {v[0], v[1], v[2]}; }

// The sum of w (1 - cos alpha), taken as w |p - s|^2 / 2 for unit p and s,
// which keeps its digits where alpha is tiny; a plane without shear counts
// as alpha = 90 degrees.
double Cost(const std::vector<Fault>& faults, const Matrix3d& t)
{
    double cost = 0;
    for (const Fault& f : faults) {
        const Vector3d traction = t * f.n;
        const Vector3d shear = traction - f.n.dot(traction) * f.n;
        const double size = shear.norm();
        if (!(size > kNoShear)) {
            cost += f.weight;
            continue;
        }
        cost += 0.5 * f.weight * (shear / -size - f.s).squaredNorm();
    }
    return cost;
}

// J^T J and J^T r of the residuals p - s (three for each fault) for the
// rotation (x, y, z) and R. Turning the axes by a small rotation w changes
// T by [w]x T - T [w]x, so T n by w x Tn - T (w x n); R changes T by s2 s2^T.
void Linearise(const std::vector<Fault>& faults, const Axes& axes, Matrix4d& jtj, Vector4d& jtr)
{
    const Matrix3d t = TensorOf(axes);
    const Vector3d s2 = axes.q.col(1);
    jtj.setZero();
    jtr.setZero();
    for (const Fault& f : faults) {
        const Vector3d traction = t * f.n;
        const Vector3d shear = traction - f.n.dot(traction) * f.n;
        const double size = shear.norm();
        if (!(size > kNoShear)) continue;
        const Vector3d p = shear / -size;
        Eigen::Matrix<double, 3, 4> d;
        for (int k = 0; k < 3; ++k)
            d.col(k) = Vector3d::Unit(k).cross(traction) - t * Vector3d::Unit(k).cross(f.n);
        d.col(3) = s2 * s2.dot(f.n);
        d -= f.n * (f.n.transpose() * d);          // the change of the shear
        d = (p * (p.transpose() * d) - d) / size;  // of p = -shear / |shear|
        jtj.noalias() += f.weight * d.transpose() * d;
        jtr.noalias() += f.weight * d.transpose() * (p - f.s);
    }
}

// Brings R back into [0, 1] by reordering the axes. With R < 0 the stresses
// are 1, 0, R on s1, s3, s2, which shifted and scaled to 1 .. 0 are 1,
// -R / (1 - R), 0; with R > 1 they are R, 1, 0 on s2, s1, s3, scaled 1, 1/R,
// 0. Shifts and positive scales leave every predicted slip as it was.
Axes Sorted(Axes axes)
{
    if (axes.ratio < 0) {
        axes.q.col(1).swap(axes.q.col(2));
        axes.ratio = -axes.ratio / (1 - axes.ratio);
    } else if (axes.ratio > 1) {
        axes.q.col(0).swap(axes.q.col(1));
        axes.ratio = 1 / axes.ratio;
    }
    return axes;
}

Axes Moved(const Axes& axes, const Vector4d& step)
{
    Axes moved = axes;
    const Vector3d turn = step.head<3>();
    const double angle = turn.norm();
    if (angle > 0) moved.q = Eigen::AngleAxisd(angle, turn / angle).toRotationMatrix() * axes.q;
    moved.ratio = axes.ratio + step[3];
    return Sorted(moved);
}

// Unit orthogonal columns again after many small rotations.
Matrix3d Orthonormal(const Matrix3d& q)
{
    Matrix3d r;
    r.col(0) = q.col(0).normalized();
    r.col(1) = (q.col(1) - r.col(0).dot(q.col(1)) * r.col(0)).normalized();
    r.col(2) = r.col(0).cross(r.col(1));
    return r;
}

}  // namespace

StressRefinement RefineReducedStress(const std::vector<WeightedFault>& faults, const ReducedStress& start)
{
    std::vector<Fault> data;
    data.reserve(faults.size());
    double totalWeight = 0;
    for (const WeightedFault& f : faults) {
        if (!(f.weight > 0)) continue;
        data.push_back({ToEigen(f.normal), ToEigen(f.slip), f.weight});
        totalWeight += f.weight;
    }

    Axes axes;
    axes.q.col(0) = ToEigen(start.s1);
    axes.q.col(1) = ToEigen(start.s2);
    axes.q.col(2) = ToEigen(start.s3);
    axes.q = Orthonormal(axes.q);
    axes.ratio = std::clamp(start.ratio, 0.0, 1.0);

    StressRefinement result;
    double cost = Cost(data, TensorOf(axes));
    double damping = -1;
    Matrix4d jtj;
    Vector4d jtr;
    while (result.iterations < kMaxIterations) {
        ++result.iterations;
        Linearise(data, axes, jtj, jtr);
        if (damping < 0) damping = 1e-3 * std::max(jtj.diagonal().maxCoeff(), totalWeight * 1e-6);
        bool moved = false;
        Vector4d step = Vector4d::Zero();
        while (damping <= kLargestDamping * totalWeight) {
            Matrix4d damped = jtj;
            damped.diagonal().array() += damping;
            step = damped.ldlt().solve(-jtr);
            const Axes trial = Moved(axes, step);
            const double trialCost = Cost(data, TensorOf(trial));
            if (trialCost < cost) {
                axes = trial;
                cost = trialCost;
                damping = std::max(damping / 3, kSmallestDamping * totalWeight);
                moved = true;
                break;
            }
            // More damping would only shorten a step already too short.
            if (!(step.cwiseAbs().maxCoeff() >= kSmallestStep)) break;
            damping *= 4;
        }
        if (!moved || !(step.cwiseAbs().maxCoeff() >= kSmallestStep)) break;
    }

    const Matrix3d q = Orthonormal(axes.q);
    result.stress.s1 = AxisPointingDown({q(0, 0), q(1, 0), q(2, 0)});
    result.stress.s2 = AxisPointingDown({q(0, 1), q(1, 1), q(2, 1)});
    result.stress.s3 = AxisPointingDown({q(0, 2), q(1, 2), q(2, 2)});
    result.stress.ratio = axes.ratio;
    result.cost = cost;
    return result;
}

}  // namespace tensorium
