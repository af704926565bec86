#include "res/AboutBoxResources.h"

#include "framework/types/WinStyles.h"
#include "res/Product.h"
#include "res/Resource.h"

#include <string>

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kCentred = kChild | SS_CENTER;
} // namespace

DialogTemplate AboutBoxTemplate() {
    DialogTemplate dialog;
    dialog.id = IDD_ABOUTBOX;
    dialog.caption = std::string("About ") + kProductName;
    dialog.cx = 172;
    dialog.cy = 180;
    dialog.style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.pointSize = 8;
    dialog.faceName = "MS Sans Serif";
    dialog.helpTopic = HELP_ABOUT;
    dialog.items = {
        DialogItem::Button(IDC_STATIC, "", 7, 3, 158, 148, kChild | BS_GROUPBOX),
        DialogItem::Static(IDC_ABOUT_THANKS, "", 16, 18, 141, 21, kCentred),
        // The spelling and the third line of seven spaces are the box's own.
        DialogItem::Static(IDC_STATIC,
                           "If you have any sugestion\n or  comment please send mail to:\n       ",
                           14, 45, 141, 17, kCentred),
        // A tab stop, so that the keyboard reaches the link.
        DialogItem::Static(IDC_ABOUT_MAIL_LINK, "", 22, 67, 131, 8, kCentred | WS_TABSTOP),
        DialogItem::Static(IDC_ABOUT_VERSION, "", 14, 100, 145, 8, kCentred | SS_NOPREFIX),
        DialogItem::Static(IDC_ABOUT_MAKER, "", 69, 119, 80, 10, kCentred),
        DialogItem::Icon(IDR_MAINFRAME, IDC_STATIC, 22, 121, 20, 20, kChild | SS_SUNKEN),
        DialogItem::Static(IDC_STATIC, "Freeware, as is.", 75, 137, 76, 8, kChild | SS_LEFT),
        DialogItem::Button(IDOK, "OK", 126, 155, 39, 19, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON),
        DialogItem::Static(IDC_ABOUT_BANNER, "", 7, 159, 111, 12, kChild),
    };
    return dialog;
}
