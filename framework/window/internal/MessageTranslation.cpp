#include "framework/window/internal/MessageTranslation.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {
WPARAM MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WPARAM flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

// The message of a button event: WM_LBUTTONDOWN, WM_LBUTTONUP or
// WM_LBUTTONDBLCLK (offset 0, 1, 2) of the event's button; 0 for buttons
// without one.
UINT ButtonMessage(Qt::MouseButton button, UINT offset) {
    switch (button) {
    case Qt::LeftButton:
        return WM_LBUTTONDOWN + offset;
    case Qt::RightButton:
        return WM_RBUTTONDOWN + offset;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN + offset;
    default:
        return 0;
    }
}

bool FromMouse(const QMouseEvent* event, MSG* msg) {
    switch (event->type()) {
    case QEvent::MouseMove:
        msg->message = WM_MOUSEMOVE;
        break;
    case QEvent::MouseButtonPress:
        msg->message = ButtonMessage(event->button(), 0);
        break;
    case QEvent::MouseButtonRelease:
        msg->message = ButtonMessage(event->button(), 1);
        break;
    default:
        msg->message = ButtonMessage(event->button(), 2);
        break;
    }
    const QPoint local = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    msg->wParam = MouseFlags(event->buttons(), event->modifiers());
    msg->lParam = MAKELPARAM(local.x(), local.y());
    msg->pt = CPoint(global.x(), global.y());
    return msg->message != 0;
}

bool FromKey(const QKeyEvent* event, MSG* msg) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->type() == QEvent::KeyPress)
        msg->message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    else
        msg->message = alt ? WM_SYSKEYUP : WM_KEYUP;
    msg->wParam = MessageTranslation::VirtualKey(event->key());
    msg->lParam = static_cast<LPARAM>(MouseFlags(Qt::NoButton, event->modifiers()));
    return true;
}
} // namespace

bool MessageTranslation::FromEvent(HWND widget, const QEvent* event, MSG* msg) {
    *msg = MSG{};
    msg->hwnd = widget;
    const QPoint cursor = QCursor::pos();
    msg->pt = CPoint(cursor.x(), cursor.y());
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return FromMouse(static_cast<const QMouseEvent*>(event), msg);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return FromKey(static_cast<const QKeyEvent*>(event), msg);
    case QEvent::Leave:
        msg->message = WM_MOUSELEAVE;
        return true;
    case QEvent::FocusIn:
        msg->message = WM_SETFOCUS;
        return true;
    case QEvent::FocusOut:
        msg->message = WM_KILLFOCUS;
        msg->wParam = reinterpret_cast<WPARAM>(QApplication::focusWidget());
        return true;
    case QEvent::PaletteChange:
        msg->message = WM_SYSCOLORCHANGE;
        return true;
    case QEvent::Paint:
        msg->message = WM_PAINT;
        return true;
    default:
        return false;
    }
}

std::unique_ptr<QMouseEvent> MessageTranslation::ToMouseEvent(HWND widget, UINT message,
                                                              WPARAM wParam, LPARAM lParam) {
    QEvent::Type type = QEvent::MouseButtonPress;
    Qt::MouseButton button = Qt::NoButton;
    switch (message) {
    case WM_MOUSEMOVE:
        type = QEvent::MouseMove;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        button = Qt::LeftButton;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        button = Qt::RightButton;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        button = Qt::MiddleButton;
        break;
    default:
        return nullptr;
    }
    if (button != Qt::NoButton) {
        const UINT offset = (message - WM_LBUTTONDOWN) % 3;
        type = offset == 0
                   ? QEvent::MouseButtonPress
                   : (offset == 1 ? QEvent::MouseButtonRelease : QEvent::MouseButtonDblClick);
    }
    Qt::MouseButtons buttons;
    buttons.setFlag(Qt::LeftButton, wParam & MK_LBUTTON);
    buttons.setFlag(Qt::RightButton, wParam & MK_RBUTTON);
    buttons.setFlag(Qt::MiddleButton, wParam & MK_MBUTTON);
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, wParam & MK_SHIFT);
    modifiers.setFlag(Qt::ControlModifier, wParam & MK_CONTROL);
    const QPointF local(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return std::make_unique<QMouseEvent>(type, local, widget->mapToGlobal(local), button, buttons,
                                         modifiers);
}

bool MessageTranslation::IsInput(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_SYSKEYUP) ||
           (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK);
}

WPARAM MessageTranslation::VirtualKey(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<WPARAM>(qtKey);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_F1:
        return VK_F1;
    case Qt::Key_F3:
        return VK_F3;
    default:
        return 0;
    }
}
