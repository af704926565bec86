// The controls of a template dialog as accessibility reads them: one row per
// naming rule, and the press action of a link.
#include "framework/dialog/CDialog.h"
#include "framework/dialog/ResourceTable.h"
#include "framework/stdcontrols/CStatic.h"
#include "framework/stdcontrols/CToolTipCtrl.h"
#include "tests/support/UiDriver.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace {
constexpr UINT kDialog = 9101;
enum : int {
    kFindWhat = 2001,
    kReplaceWith,
    kOutside,
    kCount,
    kLines,
    kFish,
    kPrefix,
    kNoPrefix,
    kIcon,
    kLink,
    kTipped,
    kUnlabelled,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEdit = kChild | WS_TABSTOP | WS_BORDER;

DialogItem Label(const char* text, int x, int y, int cx) {
    return DialogItem::Static(IDC_STATIC, text, x, y, cx, 8, kChild | SS_LEFT);
}

void RegisterDialog() {
    DialogTemplate dialog;
    dialog.id = kDialog;
    dialog.caption = "Names";
    dialog.cx = 300;
    dialog.cy = 200;
    dialog.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION;
    dialog.items = {
        DialogItem::Button(IDOK, "OK", 240, 180, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON),
        Label("&Find what:", 10, 10, 40),
        DialogItem::Edit(kFindWhat, 60, 10, 60, 12, kEdit),
        DialogItem::Edit(kReplaceWith, 60, 26, 60, 12, kEdit),
        Label("Far left", 2, 28, 6),
        Label("Replace with :", 10, 28, 45),
        Label("Outside", 130, 52, 28),
        DialogItem::Edit(kOutside, 170, 50, 40, 12, kEdit),
        DialogItem::Button(IDC_STATIC, "Op&tions", 165, 40, 120, 40, kChild | BS_GROUPBOX),
        DialogItem::Edit(kCount, 20, 60, 40, 12, kEdit),
        DialogItem::Button(IDC_STATIC, "Max &count", 10, 45, 100, 35, kChild | BS_GROUPBOX),
        DialogItem::Static(IDC_STATIC, "/data/path:", 20, 100, 80, 8, kChild | SS_NOPREFIX),
        DialogItem::ListBox(kLines, 20, 110, 80, 30, kChild | WS_TABSTOP),
        DialogItem::Button(IDC_STATIC, "Lines", 10, 90, 100, 55, kChild | BS_GROUPBOX),
        Label("Fish && Chips:", 130, 100, 50),
        DialogItem::Edit(kFish, 185, 100, 40, 12, kEdit),
        DialogItem::Static(kPrefix, "&Save && quit", 10, 150, 60, 8, kChild | SS_LEFT),
        DialogItem::Static(kNoPrefix, "Tom & Jerry", 80, 150, 60, 8, kChild | SS_NOPREFIX),
        DialogItem::Icon(9002, kIcon, 150, 150, 20, 20, kChild),
        DialogItem::Static(kLink, "www.example.org", 10, 165, 80, 8, kChild | WS_TABSTOP),
        DialogItem::Button(kTipped, "&Go", 180, 180, 50, 14, kChild | WS_TABSTOP),
        DialogItem::Edit(kUnlabelled, 240, 125, 40, 12, kEdit),
    };
    ResourceTable::AddDialog(dialog);
}

// A static that counts the clicks it gets.
class ClickedStatic : public CStatic {
public:
    int clicks = 0;

protected:
    void OnLButtonDown(UINT, CPoint) override { ++clicks; }
};

QAccessibleInterface* Accessible(const CDialog& dialog, int id) {
    return QAccessible::queryAccessibleInterface(Widget(dialog, id));
}
} // namespace

TEST(ControlAccessibility, EachControlIsReadAsTheRuleOfItsKindSays) {
    RegisterDialog();
    CDialog dialog(kDialog);
    ASSERT_TRUE(dialog.Create());
    ShowActive(dialog);
    dialog.GetDlgItem(kFindWhat)->SetWindowText("abc");
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&dialog));
    tip.AddTool(dialog.GetDlgItem(kTipped), "first tip");
    tip.UpdateTipText("Starts the search", dialog.GetDlgItem(kTipped));

    const struct {
        const char* rule;
        int id;
        QAccessible::Role role;
        QString name;
        QString value;
        QString description;
    } rows[] = {
        {"the label just before it, \"&\" and colon dropped", kFindWhat, QAccessible::EditableText,
         "Find what", "abc", ""},
        {"the nearest label to its left", kReplaceWith, QAccessible::EditableText, "Replace with",
         "", ""},
        {"a label outside its group box is not its label", kOutside, QAccessible::EditableText,
         "Options", "", ""},
        {"the group box that frames it", kCount, QAccessible::EditableText, "Max count", "", ""},
        {"a data static before it is no label", kLines, QAccessible::List, "Lines", "", ""},
        {"\"&&\" in a label is one \"&\"", kFish, QAccessible::EditableText, "Fish & Chips", "",
         ""},
        {"no label, no name", kUnlabelled, QAccessible::EditableText, "", "", ""},
        {"a static is named by its shown text", kPrefix, QAccessible::StaticText, "Save & quit", "",
         ""},
        {"a no-prefix static keeps \"&\"", kNoPrefix, QAccessible::StaticText, "Tom & Jerry", "",
         ""},
        {"an icon static is a graphic", kIcon, QAccessible::Graphic, "", "", ""},
        {"a static that is a tab stop is a link", kLink, QAccessible::Link, "www.example.org", "",
         ""},
        {"the tooltip is the description", kTipped, QAccessible::Button, "Go", "",
         "Starts the search"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        QAccessibleInterface* control = Accessible(dialog, row.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->role(), row.role);
        EXPECT_EQ(control->text(QAccessible::Name), row.name);
        EXPECT_EQ(control->text(QAccessible::Value), row.value);
        EXPECT_EQ(control->text(QAccessible::Description), row.description);
    }
}

TEST(ControlAccessibility, ALinksPressActionClicksItOnce) {
    RegisterDialog();
    CDialog dialog(kDialog);
    ASSERT_TRUE(dialog.Create());
    ShowActive(dialog);
    ClickedStatic link;
    ASSERT_TRUE(link.SubclassDlgItem(kLink, &dialog));
    ClickedStatic text;
    ASSERT_TRUE(text.SubclassDlgItem(kPrefix, &dialog));

    QAccessibleActionInterface* press = Accessible(dialog, kLink)->actionInterface();
    ASSERT_NE(press, nullptr);
    ASSERT_TRUE(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(link.clicks, 1);
    EXPECT_FALSE(Accessible(dialog, kPrefix)
                     ->actionInterface()
                     ->actionNames()
                     .contains(QAccessibleActionInterface::pressAction()))
        << "a plain static has nothing to press";
}
