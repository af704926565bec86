#pragma once

#include "framework/types/WinMessages.h"

#include <memory>

class QEvent;
class QMouseEvent;

// Qt events <-> Windows messages, for the framework's event forwarding.
class MessageTranslation {
public:
    // The message that stands for `event` of `widget`: mouse and key input,
    // the pointer leaving, focus gained and lost, a palette change (as
    // WM_SYSCOLORCHANGE) and painting. FALSE for any other event.
    static bool FromEvent(HWND widget, const QEvent* event, MSG* msg);
    // A Qt mouse event for a mouse message (WM_MOUSEMOVE and the button
    // messages) with the point of lParam in `widget`'s coordinates; null for
    // any other message.
    static std::unique_ptr<QMouseEvent> ToMouseEvent(HWND widget, UINT message, WPARAM wParam,
                                                     LPARAM lParam);
    // Mouse and key messages: those that PreTranslateMessage sees.
    static bool IsInput(UINT message);
    // The VK_ code of a Qt key; letters and digits give their upper-case
    // ASCII code; 0 for keys without one.
    static WPARAM VirtualKey(int qtKey);
};
