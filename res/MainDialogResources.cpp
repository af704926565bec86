#include "res/MainDialogResources.h"

#include "framework/types/WinMessages.h"
#include "framework/types/WinStyles.h"
#include "res/Resource.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
// The data statics show paths and counts, never mnemonics: without
// SS_NOPREFIX a "&" in a path would vanish and underline the next letter.
constexpr DWORD kDataText = kChild | SS_NOPREFIX;

DialogItem Label(const char* text, int x, int y, int cx, int cy) {
    return DialogItem::Static(IDC_STATIC, text, x, y, cx, cy, kChild | SS_LEFT);
}

DialogItem DataText(int id, DWORD align, int x, int y, int cx, int cy) {
    return DialogItem::Static(id, "", x, y, cx, cy, kDataText | align, WS_EX_STATICEDGE);
}

DialogItem GroupBox(const char* text, int x, int y, int cx, int cy) {
    return DialogItem::Button(IDC_STATIC, text, x, y, cx, cy, kChild | BS_GROUPBOX);
}
} // namespace

DialogTemplate MainDialogTemplate() {
    DialogTemplate dialog;
    dialog.id = IDD_VODIZUZI_DIALOG;
    dialog.caption = "VO Dizuzi 1.10";
    dialog.cx = 310;
    dialog.cy = 229;
    dialog.style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.exStyle = WS_EX_APPWINDOW;
    dialog.pointSize = 8;
    dialog.faceName = "MS Sans Serif";
    dialog.menuId = IDR_MAIN_MENU;
    dialog.helpTopic = HELP_MAIN_WINDOW;
    // Template order is the tab order.
    dialog.items = {
        DialogItem::Button(IDOK, "E&xit", 247, 192, 54, 32, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON),
        DialogItem::Button(ID_HELP, "&Help", 126, 192, 52, 32, kButton),
        DialogItem::Button(IDC_ABOUT, "&About", 70, 192, 54, 32, kButton),
        DialogItem::Button(ID_WEB_LINKS, "&Web links", 6, 192, 62, 32, kButton),
        DialogItem::Button(IDC_FIND, "&Find", 226, 42, 70, 32, kButton),
        DialogItem::Button(IDC_BROWSE, "&Browse...", 226, 9, 70, 32, kButton),
        DialogItem::Edit(IDC_SEARCH_TEXT, 136, 43, 70, 12,
                         kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_RIGHT),
        DataText(IDC_FOLDER_TEXT, SS_LEFT, 11, 27, 195, 10),
        DataText(IDC_STATUS_TEXT, SS_LEFT, 47, 60, 159, 10),
        Label("Status :", 11, 60, 28, 10),
        Label("Starting folder :", 11, 16, 59, 8),
        GroupBox("Results", 6, 78, 296, 111),
        DataText(IDC_MATCH_PATH, SS_LEFT, 14, 102, 277, 11),
        DialogItem::ListBox(IDC_LINE_LIST, 13, 118, 280, 61,
                            kChild | LBS_NOSEL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL |
                                WS_HSCROLL | WS_TABSTOP,
                            WS_EX_STATICEDGE),
        DialogItem::Button(IDC_NEXT, "&Next", 155, 83, 50, 18, kButton),
        DialogItem::Button(IDC_PREV, "&Prev", 102, 83, 50, 18, kButton),
        DialogItem::Button(IDC_OPEN_FILE, "&Open File", 241, 83, 50, 18, kButton),
        DataText(IDC_COUNTER, SS_CENTER, 46, 88, 45, 10),
        DialogItem::Button(ID_OPTIONS, "&Options", 180, 192, 64, 32, kButton),
        Label("Search string :", 80, 45, 49, 8),
        GroupBox("Data", 5, 3, 296, 74),
    };
    return dialog;
}

MenuTemplate MainMenuTemplate() {
    return MenuTemplate{
        IDR_MAIN_MENU,
        {
            MenuItem::Popup("&Edit", {MenuItem::Command("&Browse path", IDC_BROWSE),
                                      MenuItem::Command("&Find", IDC_FIND), MenuItem::Separator(),
                                      MenuItem::Command("&Options...", ID_OPTIONS)}),
            MenuItem::Popup("&Results",
                            {MenuItem::Command("&Next", IDC_NEXT),
                             MenuItem::Command("&Prev", IDC_PREV), MenuItem::Separator(),
                             MenuItem::Command("&Open file", IDC_OPEN_FILE)}),
            MenuItem::Popup("&Help",
                            {MenuItem::Command("&Contents", ID_HELP), MenuItem::Separator(),
                             MenuItem::Command("&Web links ...", ID_WEB_LINKS),
                             MenuItem::Separator(), MenuItem::Command("&About", IDC_ABOUT),
                             MenuItem::Command("&Tips", ID_TIPS)}),
            MenuItem::Command("E&xit!", IDOK),
        }};
}

// F3 and Shift+F3 step through the records, as in most search tools.
AcceleratorTable MainAcceleratorTable() {
    return AcceleratorTable{IDR_MAIN_ACCEL,
                            {
                                ACCEL{FVIRTKEY, VK_F3, IDC_NEXT},
                                ACCEL{FVIRTKEY | FSHIFT, VK_F3, IDC_PREV},
                            }};
}
