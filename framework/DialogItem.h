#pragma once

#include "WinDefs.h"

#include <string>

// The window class of a dialog item. Check boxes and group boxes are buttons
// (BS_AUTOCHECKBOX, BS_GROUPBOX), as in Windows.
enum class DialogItemClass { Button, Edit, Static, ListBox };

// One control of a dialog template. Position and size are in dialog units;
// the style is the control's whole style, so an item without WS_VISIBLE
// starts hidden and one without WS_TABSTOP is skipped by the Tab key.
struct DialogItem {
    int id = -1; // IDC_STATIC for items nobody addresses
    DialogItemClass itemClass = DialogItemClass::Static;
    std::string text; // bytes; "&" marks a mnemonic, "&&" is a literal "&"
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
};
