#include "res/TipDialogResources.h"

#include "framework/types/WinStyles.h"
#include "res/Resource.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
} // namespace

DialogTemplate TipDialogTemplate() {
    DialogTemplate dialog;
    dialog.id = IDD_TIP;
    dialog.caption = "Tip of the Day";
    dialog.cx = 231;
    dialog.cy = 164;
    dialog.style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.pointSize = 8;
    dialog.faceName = "MS Sans Serif";
    dialog.helpTopic = HELP_TIP_OF_THE_DAY;
    // Template order is the tab order. The tip is text from a file, never a
    // label: "&" in it stays as it is.
    dialog.items = {
        DialogItem::Static(IDC_STATIC, "", 12, 11, 207, 123, kChild | SS_BLACKFRAME),
        DialogItem::Static(IDC_BULB, "", 20, 17, 190, 111, kChild | SS_BITMAP),
        DialogItem::Static(IDC_TIPSTRING, "Some String", 28, 63, 177, 60,
                           kChild | SS_LEFT | SS_NOPREFIX),
        DialogItem::Button(IDC_STARTUP, "&Show Tips on StartUp", 13, 146, 85, 10,
                           kChild | WS_TABSTOP | BS_AUTOCHECKBOX),
        DialogItem::Button(IDC_NEXTTIP, "&Next Tip", 113, 139, 50, 20,
                           kChild | WS_TABSTOP | BS_PUSHBUTTON),
        DialogItem::Button(IDOK, "&Close", 169, 139, 50, 20,
                           kChild | WS_TABSTOP | BS_DEFPUSHBUTTON),
    };
    return dialog;
}
