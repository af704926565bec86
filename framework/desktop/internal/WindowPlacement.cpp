#include "framework/desktop/internal/WindowPlacement.h"

#include <algorithm>

namespace {
// The start of a span of `length` centred on [ownerStart, ownerStart +
// ownerLength), moved inside [areaStart, areaStart + areaLength); the start
// wins over the end when the span does not fit.
int Place(int length, int ownerStart, int ownerLength, int areaStart, int areaLength) {
    const int centred = ownerStart + (ownerLength - length) / 2;
    return std::max(std::min(centred, areaStart + areaLength - length), areaStart);
}
} // namespace

QPoint WindowPlacement::FramePosition(QSize frame, const QRect& owner, const QRect& area) {
    return QPoint(Place(frame.width(), owner.x(), owner.width(), area.x(), area.width()),
                  Place(frame.height(), owner.y(), owner.height(), area.y(), area.height()));
}
