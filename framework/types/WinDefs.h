#pragma once

#include <cstdint>

// The Windows vocabulary that the program's classes are written in: basic
// types, handle types, colours, dialog results and message box types. The
// message codes are in WinMessages.h, the window and control styles in
// WinStyles.h, the painting constants in GdiDefs.h.

using BOOL = int;
using UINT = unsigned int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT_PTR = uintptr_t;
using INT_PTR = intptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using COLORREF = uint32_t; // 0x00BBGGRR

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Handles: each is a pointer to the framework object that stands for it.
class QWidget;
class CDC;
class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
struct IconHandle;
struct CursorHandle;
using HWND = QWidget*; // the widget that stands for a window
using HDC = const CDC*;
using HGDIOBJ = CGdiObject*;
using HPEN = CPen*;
using HBRUSH = CBrush*;
using HFONT = CFont*;
using HBITMAP = CBitmap*;
using HICON = IconHandle*;
using HCURSOR = CursorHandle*;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Dialog results and standard command ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int ID_HELP = 57670;

// Message box types.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
