#include "app/widgets/tpicture.h"

#include <QPainter>

namespace tensorium {

TPicture::TPicture(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource)
{
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void TPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, QRectF(rect()));
}

}  // namespace tensorium
