#pragma once

#include "framework/types/WinDefs.h"

#include <QString>

// What each of the framework's widgets offers the window layer: its text as
// shown and the styles that change how it looks and behaves. Visibility and
// the enabled state (WS_VISIBLE, WS_DISABLED) are the window layer's own.
class ControlWidget {
public:
    virtual ~ControlWidget() = default;
    virtual QString DisplayText() const = 0;
    virtual void SetDisplayText(const QString& text) = 0;
    virtual void ApplyStyle(DWORD style, DWORD exStyle) = 0;
};
