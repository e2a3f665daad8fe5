// Group boxes whose frame line keeps clear of the controls they hold.
#pragma once

#include <QRect>

class QGroupBox;

namespace tensorium {

// The top line of the frame as the group's style draws it, in the group's
// coordinates.
QRect FrameTopLine(const QGroupBox* group);

// When the style draws the frame's top line across a control, the group
// moves up and grows by the overlap and its controls move down by as much,
// so that each control keeps its place in the window (a group at the top
// of its page cannot move up; there its controls move down instead).
void KeepControlsBelowFrameTop(QGroupBox* group);

}  // namespace tensorium
