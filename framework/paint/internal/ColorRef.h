#pragma once

#include "framework/types/WinDefs.h"

#include <QColor>

// COLORREF <-> QColor (always opaque).
inline QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

inline COLORREF ToColorRef(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}
