#include "TestResources.h"

#include "ResourceTable.h"
#include "WinStyles.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDialogStyle = DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;

DialogItem Button(int id, const char* text, DWORD style, int x, int y) {
    return DialogItem{id, DialogItemClass::Button,     text, x, y, 50,
                      14, kChild | WS_TABSTOP | style, 0};
}
} // namespace

void RegisterTestResources() {
    using namespace TestIds;
    ResourceTable::AddMenu(
        MenuTemplate{kMenu,
                     {MenuItem::Popup("&Edit", {MenuItem::Command("&Browse path", kBrowse),
                                                MenuItem::Separator(),
                                                MenuItem::Command("&Options...", kOptions)}),
                      MenuItem::Popup("&Help", {MenuItem::Command("&Contents", ID_HELP)}),
                      MenuItem::Command("E&xit!", IDOK)}});

    DialogTemplate dialog;
    dialog.id = kDialog;
    dialog.caption = "Framework test";
    dialog.cx = 200;
    dialog.cy = 130;
    dialog.style = kDialogStyle;
    dialog.menuId = kMenu;
    dialog.items = {
        Button(IDOK, "&OK", BS_DEFPUSHBUTTON, 140, 110),
        Button(IDCANCEL, "&Cancel", BS_PUSHBUTTON, 140, 90),
        {kText, DialogItemClass::Edit, "", 10, 10, 100, 12,
         kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0},
        {kNumber, DialogItemClass::Edit, "", 10, 26, 40, 12,
         kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_RIGHT, 0},
        {kCheck, DialogItemClass::Button, "&Remember the choice", 60, 24, 60, 20,
         kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_CENTER, 0},
        {kPath, DialogItemClass::Static, "", 10, 50, 100, 10, kChild | SS_LEFT, WS_EX_STATICEDGE},
        {IDC_STATIC, DialogItemClass::Static, "&Lines :", 10, 62, 30, 8, kChild, 0},
        {kList, DialogItemClass::ListBox, "", 10, 72, 100, 40,
         kChild | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOSEL | LBS_NOINTEGRALHEIGHT |
             LBS_NOTIFY,
         WS_EX_STATICEDGE},
        Button(kFind, "&Find", BS_PUSHBUTTON, 140, 10),
        Button(kDraw, "&Draw", BS_PUSHBUTTON, 140, 30),
        {kHidden, DialogItemClass::Button, "&Zap", 140, 70, 50, 14, WS_CHILD | WS_TABSTOP, 0},
        Button(ID_HELP, "&Help", BS_PUSHBUTTON, 140, 50),
        {IDC_STATIC, DialogItemClass::Button, "Data", 5, 2, 120, 115, kChild | BS_GROUPBOX, 0},
    };
    ResourceTable::AddDialog(dialog);

    DialogTemplate small;
    small.id = kSmallDialog;
    small.caption = "Small";
    small.cx = 120;
    small.cy = 40;
    small.style = kDialogStyle;
    small.items = {Button(IDOK, "OK", BS_DEFPUSHBUTTON, 10, 10),
                   Button(IDCANCEL, "Cancel", BS_PUSHBUTTON, 60, 10)};
    ResourceTable::AddDialog(small);
}
