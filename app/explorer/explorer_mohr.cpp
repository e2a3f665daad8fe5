#include "app/explorer/explorer_mohr.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/angles.h"

namespace tensorium {
namespace {

const QColor kJointColour(230, 97, 0);
const QColor kEnvelopeColour(93, 58, 155);

QFont TextFont(const QRectF& target, double base, double scale)
{
    QFont font("Liberation Sans");
    font.setPixelSize(std::max(
        6, static_cast<int>(std::lround(base * scale * std::min(target.width(), target.height()) / 400.0))));
    return font;
}

// The upper half of the circle through a and b on the plot.
QPainterPath HalfCircle(const ExplorerMohr::Frame& f, double a, double b)
{
    QPainterPath path;
    const double centre = a / 2 + b / 2, radius = std::fabs(a / 2 - b / 2);
    for (int k = 0; k <= 180; ++k) {
        const double t = kPi * k / 180;
        const QPointF at = f.At(centre + radius * std::cos(t), radius * std::sin(t));
        if (k == 0) {
            path.moveTo(at);
        } else {
            path.lineTo(at);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace

ExplorerMohr::ExplorerMohr(QWidget* parent) : ExplorerDiagram(parent)
{
    setObjectName("ExplorerMohr");
    setAccessibleName("Mohr diagram");
}

void ExplorerMohr::SetState(const AnalysisState& state)
{
    state_ = state;
    update();
}

void ExplorerMohr::SetPorePressure(double p)
{
    porePressure_ = p;
    update();
}

QPointF ExplorerMohr::Frame::At(double sigma, double tau) const
{
    return {plot.left() + (sigma - sigmaLow) * pxPerUnit, plot.bottom() - tau * pxPerUnit};
}

ExplorerMohr::Frame ExplorerMohr::FrameFor(const QRectF& target) const
{
    const PrincipalResult& p = state_.principal;
    const double s1 = p.s1 - porePressure_, s3 = p.s3 - porePressure_;
    const double sigma = state_.jointResult.sigma - porePressure_;
    // Room for the circles, the joint and the origin, where the envelope starts.
    double low = std::min({s3, sigma, 0.0}), high = std::max({s1, sigma, 0.0});
    double tauHigh = std::max((s1 - s3) / 2, state_.jointResult.tau);
    const double span = std::max({high - low, tauHigh, 1e-300});
    low -= 0.06 * span, high += 0.06 * span, tauHigh = 1.15 * tauHigh + 0.06 * span;
    Frame f;
    const double margin = Unit(target, 30);
    const QRectF room = target.adjusted(margin, margin * 0.7, -margin * 0.5, -margin * 1.3);
    f.pxPerUnit = std::min(room.width() / (high - low), room.height() / tauHigh);
    f.sigmaLow = low;
    f.sigmaHigh = high;
    f.tauHigh = tauHigh;
    const QSizeF size((high - low) * f.pxPerUnit, tauHigh * f.pxPerUnit);
    f.plot =
        QRectF(QPointF(room.center().x() - size.width() / 2, room.center().y() - size.height() / 2), size);
    return f;
}

QPointF ExplorerMohr::JointPointAt(const QRectF& target) const
{
    return FrameFor(target).At(state_.jointResult.sigma - porePressure_, state_.jointResult.tau);
}

void ExplorerMohr::Paint(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.fillRect(target, Qt::white);
    const Frame f = FrameFor(target);
    const PrincipalResult& p = state_.principal;
    const double s[3] = {p.s1 - porePressure_, p.s2 - porePressure_, p.s3 - porePressure_};

    // Every plane's point lies inside the largest circle and outside the two
    // smaller ones.
    const QPainterPath region =
        HalfCircle(f, s[0], s[2]).subtracted(HalfCircle(f, s[0], s[1])).subtracted(HalfCircle(f, s[1], s[2]));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 215, 235));
    painter.drawPath(region);

    // Axes: sigma' along the bottom, tau up from sigma' = 0.
    painter.setPen(QPen(Qt::black, Unit(target, 1.2)));
    painter.drawLine(f.At(f.sigmaLow, 0), f.At(f.sigmaHigh, 0));
    painter.drawLine(f.At(0, 0), f.At(0, f.tauHigh));
    painter.setFont(TextFont(target, 12, TextScale()));
    painter.drawText(QRectF(f.plot.right() - Unit(target, 60), f.plot.bottom() + Unit(target, 16),
                            Unit(target, 60), Unit(target, 18)),
                     Qt::AlignRight, QString::fromUtf8("σn'"));
    painter.drawText(f.At(0, f.tauHigh) + QPointF(Unit(target, 4), Unit(target, 12)), QString::fromUtf8("τ"));

    const QColor colours[3] = {QColor(255, 0, 0), QColor(0, 0, 0), QColor(0, 160, 0)};
    const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    painter.setBrush(Qt::NoBrush);
    for (int c = 0; c < 3; ++c) {
        painter.setPen(QPen(colours[c], Unit(target, 1.6)));
        QPainterPath arc = HalfCircle(f, s[pairs[c][0]], s[pairs[c][1]]);
        painter.drawPath(arc);
    }
    // s1, s2, s3 on the sigma axis, staggered when they crowd.
    painter.setPen(QPen(Qt::black, Unit(target, 1)));
    double lastX = -1e300;
    for (int k = 2; k >= 0; --k) {
        const QPointF at = f.At(s[k], 0);
        const double drop = at.x() - lastX < Unit(target, 22) ? Unit(target, 30) : Unit(target, 15);
        painter.drawLine(at, at + QPointF(0, Unit(target, 4)));
        painter.drawText(QRectF(at.x() - Unit(target, 20), at.y() + drop - Unit(target, 12), Unit(target, 40),
                                Unit(target, 16)),
                         Qt::AlignHCenter, QString("s%1").arg(k + 1));
        lastX = at.x();
    }

    // The Mohr-Coulomb envelope for sigma' >= 0, clipped to the plot.
    const double tanPhi = std::tan(kPi * state_.joint.phi / 180);
    painter.save();
    painter.setClipRect(f.plot);
    painter.setPen(QPen(kEnvelopeColour, Unit(target, 1.8)));
    const double sigmaEnd =
        tanPhi > 0 ? std::min(f.sigmaHigh, (f.tauHigh - state_.joint.c) / tanPhi) : f.sigmaHigh;
    if (sigmaEnd > 0)
        painter.drawLine(f.At(0, state_.joint.c), f.At(sigmaEnd, state_.joint.c + tanPhi * sigmaEnd));
    painter.restore();

    // The joint.
    const QPointF joint = JointPointAt(target);
    const double radius = Unit(target, 6);
    painter.setPen(QPen(Qt::black, Unit(target, 0.8)));
    painter.setBrush(kJointColour);
    painter.drawEllipse(joint, radius, radius);
    painter.setPen(kJointColour.darker(130));
    painter.drawText(joint + QPointF(radius * 1.4, -radius * 1.2), "joint");
    painter.restore();
}

}  // namespace tensorium
