#include "tests/framework/support/TestResources.h"

#include "framework/dialog/ResourceTable.h"
#include "framework/types/WinStyles.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTabStop = kChild | WS_TABSTOP;
constexpr DWORD kDialogStyle = DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
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
    dialog.helpTopic = kHelpTopic;
    dialog.items = {
        DialogItem::Button(IDOK, "&OK", 140, 110, 50, 14, kTabStop | BS_DEFPUSHBUTTON),
        DialogItem::Button(IDCANCEL, "&Cancel", 140, 90, 50, 14, kTabStop | BS_PUSHBUTTON),
        DialogItem::Edit(kText, 10, 10, 100, 12, kTabStop | WS_BORDER | ES_AUTOHSCROLL),
        DialogItem::Edit(kNumber, 10, 26, 40, 12, kTabStop | WS_BORDER | ES_AUTOHSCROLL | ES_RIGHT),
        DialogItem::Button(kCheck, "&Remember the choice", 60, 24, 60, 20,
                           kTabStop | BS_AUTOCHECKBOX | BS_MULTILINE | BS_CENTER),
        DialogItem::Static(kPath, "", 10, 50, 100, 10, kChild | SS_LEFT, WS_EX_STATICEDGE),
        DialogItem::Static(IDC_STATIC, "&Lines :", 10, 62, 30, 8, kChild),
        DialogItem::ListBox(kList, 10, 72, 100, 40,
                            kTabStop | WS_VSCROLL | WS_HSCROLL | LBS_NOSEL | LBS_NOINTEGRALHEIGHT |
                                LBS_NOTIFY,
                            WS_EX_STATICEDGE),
        DialogItem::Button(kFind, "&Find", 140, 10, 50, 14, kTabStop | BS_PUSHBUTTON),
        DialogItem::Button(kDraw, "&Draw", 140, 30, 50, 14, kTabStop | BS_PUSHBUTTON),
        DialogItem::Button(kHidden, "&Zap", 140, 70, 50, 14, WS_CHILD | WS_TABSTOP),
        DialogItem::Button(ID_HELP, "&Help", 140, 50, 50, 14, kTabStop | BS_PUSHBUTTON),
        DialogItem::Button(IDC_STATIC, "Data", 5, 2, 120, 115, kChild | BS_GROUPBOX),
    };
    ResourceTable::AddDialog(dialog);

    DialogTemplate small;
    small.id = kSmallDialog;
    small.caption = "Small";
    small.cx = 120;
    small.cy = 40;
    small.style = kDialogStyle;
    small.items = {
        DialogItem::Button(IDOK, "OK", 10, 10, 50, 14, kTabStop | BS_DEFPUSHBUTTON),
        DialogItem::Button(IDCANCEL, "Cancel", 60, 10, 50, 14, kTabStop | BS_PUSHBUTTON)};
    ResourceTable::AddDialog(small);
}
