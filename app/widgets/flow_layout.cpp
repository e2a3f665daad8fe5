#include "app/widgets/flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace tensorium {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), gap_(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* FlowLayout::takeAt(int index)
{
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

// As narrow as the widest item: everything else wraps.
QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : items_) size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

// All items in one row.
QSize FlowLayout::sizeHint() const
{
    int width = 0, height = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        width += item->sizeHint().width() + (width > 0 ? gap_ : 0);
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool place) const
{
    const QRect room = rect.marginsRemoved(contentsMargins());
    int x = room.x(), y = room.y(), rowHeight = 0;
    // Items of one row share its height and are centred in it.
    QList<QPair<QLayoutItem*, QPoint>> row;
    auto finishRow = [&] {
        if (place)
            for (const auto& [item, at] : row) {
                QSize size = item->sizeHint();
                size.setWidth(std::min(size.width(), room.width()));
                item->setGeometry(QRect(QPoint(at.x(), at.y() + (rowHeight - size.height()) / 2), size));
            }
        row.clear();
    };
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const QSize size = item->sizeHint();
        if (x > room.x() && x + size.width() > room.right() + 1) {
            finishRow();
            x = room.x();
            y += rowHeight + gap_;
            rowHeight = 0;
        }
        row.append({item, QPoint(x, y)});
        x += size.width() + gap_;
        rowHeight = std::max(rowHeight, size.height());
    }
    finishRow();
    return y + rowHeight - rect.y() + contentsMargins().bottom();
}

}  // namespace tensorium
