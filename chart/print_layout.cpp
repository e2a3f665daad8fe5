#include "chart/print_layout.h"

namespace tensorium {

QRectF ChartPrintRect(const QRectF& page, const QSize& chartOnScreen)
{
    constexpr double kMargin = 0.15;
    QRectF target = page.adjusted(kMargin * page.width(), kMargin * page.height(), -kMargin * page.width(),
                                  -kMargin * page.height());
    if (chartOnScreen.isEmpty()) return target;
    const double aspect = double(chartOnScreen.width()) / chartOnScreen.height();
    if (chartOnScreen.height() >= chartOnScreen.width()) {
        // Left and right margins are recomputed; top and bottom stay.
        const double width = target.height() * aspect;
        target.setLeft(page.center().x() - width / 2);
        target.setWidth(width);
    } else {
        const double height = target.width() / aspect;
        target.setTop(page.center().y() - height / 2);
        target.setHeight(height);
    }
    return target;
}

}  // namespace tensorium
