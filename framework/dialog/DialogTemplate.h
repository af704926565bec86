#pragma once

#include "framework/dialog/DialogItem.h"
#include "framework/types/WinDefs.h"

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
    // The dialog's topic in the program's manual, an anchor of it: the Help
    // command and F1 show it while the dialog holds the focus. Empty: none.
    std::string helpTopic;
    std::vector<DialogItem> items;
};
