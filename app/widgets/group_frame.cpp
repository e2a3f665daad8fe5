#include "app/widgets/group_frame.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <climits>

namespace tensorium {

QRect FrameTopLine(const QGroupBox* group)
{
    // The option QGroupBox paints itself with.
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = group->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!group->title().isEmpty()) option.subControls |= QStyle::SC_GroupBoxLabel;
    if (group->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (group->isFlat()) option.features |= QStyleOptionFrame::Flat;
    const QRect frame =
        group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, group);
    // A sunken frame is a dark and a light line.
    const int thickness =
        std::max(2, group->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, group));
    return {frame.left(), frame.top(), frame.width(), thickness};
}

void KeepControlsBelowFrameTop(QGroupBox* group)
{
    int top = INT_MAX;
    const auto controls = group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) top = std::min(top, control->y());
    const int overlap = FrameTopLine(group).bottom() + 1 - top;
    if (controls.isEmpty() || overlap <= 0) return;
    const int up = std::min(overlap, group->y());
    group->setGeometry(group->geometry().adjusted(0, -up, 0, overlap - up));
    for (QWidget* control : controls) control->move(control->pos() + QPoint(0, overlap));
}

}  // namespace tensorium
