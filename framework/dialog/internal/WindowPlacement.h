#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a dialog window goes: its frame (title bar and borders included)
// centred on its owner's frame, or on the screen's available area when it has
// no owner, then moved inside that area. A frame larger than the area keeps
// its top left corner in it, so the title bar stays on the screen.
class WindowPlacement {
public:
    // The frame's top left corner for a frame of `frame` size.
    static QPoint FramePosition(QSize frame, const QRect& owner, const QRect& area);
};
