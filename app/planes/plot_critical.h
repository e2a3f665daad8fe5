// How failure spreads as the pore pressure rises: the percentage of the
// planes critically stressed against the pore pressure, from 0 to the
// pressure at which all of them are, with the current pressure marked.
#pragma once

#include <QWidget>

#include "app/planes/plane_set_document.h"

namespace tensorium {

class PlotCritical : public QWidget {
    Q_OBJECT
public:
    PlotCritical(const PlaneSetDocument& document, QWidget* parent = nullptr);
    void SetDecimalSeparator(const QString& separator) { separator_ = separator; }

    // The plot's pressure range: 0 to the pressure that makes every plane
    // critical, and the current pressure within it.
    double HighestPressure() const;
    // Where the pressure p and the percentage lie in `target`.
    QPointF At(const QRectF& target, double p, double percent) const;
    QRectF PlotArea(const QRectF& target) const;

    void Paint(QPainter& painter, const QRectF& target) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const PlaneSetDocument& document_;
    QString separator_ = ".";
};

}  // namespace tensorium
