#pragma once

#include "framework/types/WinDefs.h"
#include "framework/types/WinStyles.h"

#include <string>
#include <utility>

// The window class of a dialog item. Check boxes and group boxes are buttons
// (BS_AUTOCHECKBOX, BS_GROUPBOX), as in Windows.
enum class DialogItemClass { Button, Edit, Static, ListBox };

// One control of a dialog template. Position and size are in dialog units;
// the style is the control's whole style, so an item without WS_VISIBLE
// starts hidden and one without WS_TABSTOP is skipped by the Tab key.
//
// Templates build their items with the named constructors, one per window
// class, whose arguments come in the order of a resource script's control
// statements.
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

    // A push button, check box or group box, as the style's type says.
    static DialogItem Button(int id, std::string text, int x, int y, int cx, int cy, DWORD style,
                             DWORD exStyle = 0) {
        return {id, DialogItemClass::Button, std::move(text), x, y, cx, cy, style, exStyle};
    }
    static DialogItem Edit(int id, int x, int y, int cx, int cy, DWORD style, DWORD exStyle = 0) {
        return {id, DialogItemClass::Edit, {}, x, y, cx, cy, style, exStyle};
    }
    static DialogItem Static(int id, std::string text, int x, int y, int cx, int cy, DWORD style,
                             DWORD exStyle = 0) {
        return {id, DialogItemClass::Static, std::move(text), x, y, cx, cy, style, exStyle};
    }
    // A static showing icon resource `iconId` at the icon's own size.
    static DialogItem Icon(UINT iconId, int id, int x, int y, int cx, int cy, DWORD style,
                           DWORD exStyle = 0) {
        std::string name = "#";
        name += std::to_string(iconId);
        return {id, DialogItemClass::Static, std::move(name), x, y, cx,
                cy, style | SS_ICON,         exStyle};
    }
    static DialogItem ListBox(int id, int x, int y, int cx, int cy, DWORD style,
                              DWORD exStyle = 0) {
        return {id, DialogItemClass::ListBox, {}, x, y, cx, cy, style, exStyle};
    }
};
