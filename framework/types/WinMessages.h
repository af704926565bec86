#pragma once

#include "framework/types/CPoint.h"
#include "framework/types/WinDefs.h"

#include <cstdint>

// Messages, their codes and the helpers that pack and unpack their
// parameters.

constexpr WORD LOWORD(uintptr_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
// A point in a message's lParam: x in the low word, y in the high word, each
// a signed 16-bit value.
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(static_cast<uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr int GET_X_LPARAM(LPARAM lParam) {
    return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam)));
}
constexpr int GET_Y_LPARAM(LPARAM lParam) {
    return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam)));
}

// A message as the framework hands it to PreTranslateMessage: for mouse
// messages wParam holds the MK_ flags and lParam the point in the client
// coordinates of `hwnd`; for key messages (WM_SYSKEY* while Alt is down)
// wParam holds the VK_ code and lParam the MK_SHIFT and MK_CONTROL flags of
// the modifier keys. `pt` is the pointer position on the screen.
struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    CPoint pt;
};

// Messages.
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_SYSKEYDOWN = 0x0104; // a key pressed with Alt
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
// A static asks its parent how to paint: wParam the CDC* of the paint, lParam
// the static's HWND; the result is the HBRUSH of its background, or null.
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
// The kind of control that CWnd::OnCtlColor is asked for.
constexpr UINT CTLCOLOR_STATIC = 6;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
// Asks a window to show its topic of the program's help; nonzero when it did.
// wParam and lParam are 0.
constexpr UINT WM_COMMANDHELP = 0x0365;
// The first of the messages that a program defines for its own windows.
constexpr UINT WM_APP = 0x8000;

// Mouse message flags (wParam).
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

// Hit-test code of the client area (OnSetCursor).
constexpr UINT HTCLIENT = 1;

// Virtual key codes; letters and digits are their upper-case ASCII codes.
constexpr WPARAM VK_BACK = 0x08;
constexpr WPARAM VK_TAB = 0x09;
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_SPACE = 0x20;
constexpr WPARAM VK_END = 0x23;
constexpr WPARAM VK_HOME = 0x24;
constexpr WPARAM VK_LEFT = 0x25;
constexpr WPARAM VK_UP = 0x26;
constexpr WPARAM VK_RIGHT = 0x27;
constexpr WPARAM VK_DOWN = 0x28;
constexpr WPARAM VK_DELETE = 0x2E;
constexpr WPARAM VK_F1 = 0x70;
constexpr WPARAM VK_F3 = 0x72;

// Notification codes carried with WM_COMMAND.
constexpr UINT BN_CLICKED = 0;
constexpr UINT BN_DOUBLECLICKED = 5;
constexpr UINT LBN_DBLCLK = 2;
constexpr UINT EN_CHANGE = 0x0300;
