#include "res/WebLinksResources.h"

#include "framework/types/WinStyles.h"
#include "res/Resource.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// Every text comes from the dialog's data exchange.
DialogItem Caption(int id, int y) {
    return DialogItem::Static(id, "", 12, y, 245, 9, kChild | SS_LEFT);
}

// A tab stop, so that the keyboard reaches the link.
DialogItem Link(int id, int y) {
    return DialogItem::Static(id, "", 12, y, 251, 10, kChild | SS_CENTER | WS_TABSTOP);
}
} // namespace

DialogTemplate WebLinksTemplate() {
    DialogTemplate dialog;
    dialog.id = IDD_WEBLINKS;
    dialog.caption = "Web Links";
    dialog.cx = 275;
    dialog.cy = 180;
    dialog.style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.pointSize = 8;
    dialog.faceName = "MS Sans Serif";
    dialog.helpTopic = HELP_WEB_LINKS;
    dialog.items = {
        DialogItem::Button(IDC_STATIC, "", 7, 7, 261, 149, kChild | BS_GROUPBOX),
        Caption(IDC_HOME_CAPTION, 15),
        Link(IDC_HOME_LINK, 31),
        Caption(IDC_DOWNLOAD_CAPTION, 48),
        Link(IDC_DOWNLOAD_LINK, 64),
        Caption(IDC_QUESTION_CAPTION, 114),
        Link(IDC_MAIL_LINK, 130),
        DialogItem::Button(IDOK, "OK", 218, 158, 50, 19, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON),
        DialogItem::Static(IDC_LINKS_BANNER, "", 7, 161, 111, 12, kChild),
    };
    return dialog;
}
