#pragma once

#include "DialogItem.h"
#include "WinDefs.h"

#include <string>
#include <vector>

// A dialog as a resource describes it. Sizes are in dialog units of the
// dialog's font; "MS Sans Serif" and "MS Shell Dlg" stand for the desktop's
// default user interface font. The order of `items` is the tab order. The
// position (x, y) is kept for completeness: the window manager places the
// window.
struct DialogTemplate {
    UINT id = 0;
    std::string caption; // bytes
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int pointSize = 8;
    std::string faceName = "MS Sans Serif";
    UINT menuId = 0; // 0: no menu
    std::vector<DialogItem> items;
};
