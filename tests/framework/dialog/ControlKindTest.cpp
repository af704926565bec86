// A template item's control before the program attaches an object of its own:
// the object GetDlgItem gives is of the class of the item's kind, and works
// on the control the user sees.
#include "framework/stdcontrols/CButton.h"
#include "framework/stdcontrols/CEdit.h"
#include "framework/stdcontrols/CListBox.h"
#include "framework/stdcontrols/CStatic.h"
#include "tests/framework/support/DialogFixture.h"

#include <QTest>

using ControlKinds = DialogFixture;

TEST_F(ControlKinds, AnUnattachedControlAnswersAsTheClassOfItsKind) {
    const struct {
        const char* kind;
        int id;
        // Acts on the control through `item` as a program or the user would;
        // false when the item or the control does not answer as the kind.
        bool (*answers)(CWnd* item);
    } cases[] = {
        // DDV_MaxChars gave the edit its limit when the dialog was made.
        {"edit", TestIds::kText,
         [](CWnd* item) {
             const auto* edit = dynamic_cast<CEdit*>(item);
             return edit && edit->GetLimitText() == 5;
         }},
        {"list box", TestIds::kList,
         [](CWnd* item) {
             auto* list = dynamic_cast<CListBox*>(item);
             std::string line;
             if (list == nullptr || list->AddString("first") != 0)
                 return false;
             list->GetText(0, line);
             return list->GetCount() == 1 && line == "first";
         }},
        // Checked when the dialog was made; the user's click unchecks it.
        {"check box", TestIds::kCheck,
         [](CWnd* item) {
             const auto* box = dynamic_cast<CButton*>(item);
             if (box == nullptr || box->GetCheck() != BST_CHECKED)
                 return false;
             QTest::mouseClick(item->m_hWnd, Qt::LeftButton);
             return box->GetCheck() == BST_UNCHECKED;
         }},
        {"push button", TestIds::kFind,
         [](CWnd* item) {
             const auto* button = dynamic_cast<CButton*>(item);
             return button && button->GetButtonStyle() == BS_PUSHBUTTON;
         }},
        {"static", TestIds::kPath,
         [](CWnd* item) { return dynamic_cast<CStatic*>(item) != nullptr; }},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.answers(dialog.GetDlgItem(c.id))) << c.kind;
}
