#include "res/OptionsDialogResources.h"

#include "framework/types/WinStyles.h"
#include "res/Resource.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kExtension = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
// The switches' long labels wrap, centred, over the lines their height has.
constexpr DWORD kSwitch = kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_CENTER | BS_MULTILINE;
constexpr DWORD kGroup = kChild | BS_GROUPBOX;
} // namespace

DialogTemplate OptionsDialogTemplate() {
    DialogTemplate dialog;
    dialog.id = IDD_OPTIONS;
    dialog.caption = "Options";
    dialog.cx = 181;
    dialog.cy = 137;
    dialog.style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.pointSize = 8;
    dialog.faceName = "MS Sans Serif";
    dialog.helpTopic = HELP_OPTIONS;
    // Template order is the tab order: the focus starts on OK.
    dialog.items = {
        DialogItem::Button(IDOK, "OK", 123, 114, 50, 20, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON),
        DialogItem::Button(IDCANCEL, "Cancel", 67, 114, 50, 20,
                           kChild | WS_TABSTOP | BS_PUSHBUTTON),
        DialogItem::Edit(IDC_EXT1, 17, 22, 22, 13, kExtension),
        DialogItem::Edit(IDC_EXT2, 17, 44, 22, 13, kExtension),
        DialogItem::Edit(IDC_EXT3, 17, 66, 21, 13, kExtension),
        DialogItem::Button(IDC_IGNORE_CAPS, "lowercase letters = uppercase letters", 77, 15, 82, 31,
                           kSwitch),
        DialogItem::Button(IDC_IGNORE_EXT, "lowercase extension = uppercase extension", 77, 44, 90,
                           31, kSwitch),
        DialogItem::Edit(IDC_EXT4, 17, 88, 21, 13, kExtension),
        DialogItem::Edit(IDC_EXT5, 17, 110, 21, 13, kExtension),
        DialogItem::Edit(IDC_MAX_MATCHES, 98, 96, 35, 11, kExtension),
        DialogItem::Button(IDC_STATIC, "AaBbCc...", 65, 8, 108, 74, kGroup),
        DialogItem::Button(IDC_STATIC, "Extensions", 6, 8, 50, 124, kGroup),
        DialogItem::Button(IDC_STATIC, "Maximum matches", 65, 84, 108, 29, kGroup),
    };
    return dialog;
}
