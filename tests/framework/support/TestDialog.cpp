#include "tests/framework/support/TestDialog.h"

#include "framework/dialog/DDX.h"

void TestDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, TestIds::kDraw, m_draw);
    DDX_Text(dx, TestIds::kText, m_text);
    DDV_MaxChars(dx, m_text, 5);
    DDX_Text(dx, TestIds::kNumber, m_number);
    DDV_MinMaxInt(dx, m_number, 1, 1000);
    DDX_Check(dx, TestIds::kCheck, m_check);
    DDX_Text(dx, TestIds::kPath, m_path);
    DDV_MaxChars(dx, m_path, 10);
}

const CommandMap& TestDialog::GetCommandMap() const {
    static const CommandMap map = CommandMap::Of<TestDialog>({
        {TestIds::kFind, &TestDialog::OnFind},
        {TestIds::kText, EN_CHANGE, &TestDialog::OnTextChange},
        {TestIds::kBrowse, &TestDialog::OnBrowse},
        {TestIds::kDraw, &TestDialog::OnDraw},
        {TestIds::kDraw, BN_DOUBLECLICKED, &TestDialog::OnDrawDouble},
        {TestIds::kList, LBN_DBLCLK, &TestDialog::OnLineDouble},
    });
    return map;
}

void TestDialog::OnBrowse() {
    log.push_back("browse");
    if (onBrowse)
        onBrowse();
}

void TestDialog::OnTextChange() {
    log.push_back("change");
    if (onChange)
        onChange();
}
