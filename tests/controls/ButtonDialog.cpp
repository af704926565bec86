#include "tests/controls/ButtonDialog.h"

#include "framework/dialog/DDX.h"
#include "tests/controls/TestDialogTemplate.h"

namespace {
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
} // namespace

ButtonDialog::ButtonDialog() : CDialog(kTemplate) {
    AddTestDialog(kTemplate, "Icon buttons", 100, 120,
                  {DialogItem::Button(IDOK, "E&xit", 10, 5, 60, 20, kButton | BS_DEFPUSHBUTTON),
                   DialogItem::Button(kFind, "&Find", 10, 30, 60, 20, kButton | BS_PUSHBUTTON),
                   DialogItem::Button(kBlank, "", 10, 55, 60, 20, kButton | BS_PUSHBUTTON),
                   DialogItem::Button(kOther, "Other", 10, 80, 60, 20, kButton | BS_PUSHBUTTON)});
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
