#pragma once

#include "framework/dialog/MessageBoxHook.h"
#include "framework/window/CWnd.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

// Shows a window and makes it the active one, so that focus and shortcuts
// work as for a user.
inline void ShowActive(const CWnd& wnd) {
    QApplication::setQuitOnLastWindowClosed(false);
    wnd.m_hWnd->show();
    QApplication::setActiveWindow(wnd.m_hWnd);
}

// The widget of control `id` of a dialog.
inline QWidget* Widget(const CWnd& dialog, int id) {
    const CWnd* control = dialog.GetDlgItem(id);
    return control ? control->m_hWnd : nullptr;
}

// One mouse event, delivered as the window system would (through the event
// filters).
inline void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button,
                      Qt::MouseButtons buttons, QPoint pos) {
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Records message boxes instead of showing them.
class BoxRecorder {
public:
    std::vector<std::pair<std::string, UINT>> boxes;

private:
    MessageBoxHook m_hook{[this](const std::string& text, UINT type) {
        boxes.emplace_back(text, type);
        return IDOK;
    }};
};
