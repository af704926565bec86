#include "ButtonDialog.h"

#include "DDX.h"
#include "ResourceTable.h"

namespace {
DialogItem Button(int id, const char* text, DWORD type, int y) {
    return DialogItem{
        id, DialogItemClass::Button, text, 10, y, 60, 20, WS_CHILD | WS_VISIBLE | WS_TABSTOP | type,
        0};
}
} // namespace

ButtonDialog::ButtonDialog() : CDialog(kTemplate) {
    DialogTemplate dialog;
    dialog.id = kTemplate;
    dialog.caption = "Icon buttons";
    dialog.cx = 100;
    dialog.cy = 120;
    dialog.style = DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    dialog.items = {
        Button(IDOK, "E&xit", BS_DEFPUSHBUTTON, 5), Button(kFind, "&Find", BS_PUSHBUTTON, 30),
        Button(kBlank, "", BS_PUSHBUTTON, 55), Button(kOther, "Other", BS_PUSHBUTTON, 80)};
    ResourceTable::AddDialog(dialog);
}

void ButtonDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDOK, m_exit);
    DDX_Control(dx, kFind, m_find);
    DDX_Control(dx, kBlank, m_blank);
}

const CommandMap& ButtonDialog::GetCommandMap() const {
    static const CommandMap map = CommandMap::Of<ButtonDialog>({
        {IDOK, &ButtonDialog::OnExit},
        {kFind, &ButtonDialog::OnFind},
        {kBlank, &ButtonDialog::OnBlank},
    });
    return map;
}
