#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window goes: its frame (title bar and borders included) centred on
// its owner's frame (a dialog window's owner, the screen's available area
// for one without, the window's own frame to keep it where it is), then moved
// inside that area. A frame larger than the area keeps its top left corner
// in it, so the title bar stays on the screen.
class WindowPlacement {
public:
    // The frame's top left corner for a frame of `frame` size.
    static QPoint FramePosition(QSize frame, const QRect& owner, const QRect& area);
};
