#include "tests/framework/dialog/TestApp.h"
#include "tests/framework/support/DialogFixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

using Log = std::vector<std::string>;

namespace {
struct RoutingCase {
    const char* name;
    UINT id, code;
    Log dialogLog, appLog;
    INT_PTR result; // -1: the dialog goes on
};
} // namespace

class DialogCommands : public DialogFixture {
protected:
    TestApp app;
};

TEST_F(DialogCommands, ACommandTriesTheDialogThenOkCancelThenTheApplication) {
    const RoutingCase cases[] = {
        {"mapped click", TestIds::kFind, BN_CLICKED, {"find"}, {}, -1},
        {"mapped notification", TestIds::kText, EN_CHANGE, {"change"}, {}, -1},
        {"unmapped notification", TestIds::kFind, EN_CHANGE, {}, {}, -1},
        {"OK", IDOK, BN_CLICKED, {}, {}, IDOK},
        {"Cancel", IDCANCEL, BN_CLICKED, {}, {}, IDCANCEL},
        {"application's help", ID_HELP, BN_CLICKED, {}, {"help"}, -1},
        {"application's command", TestIds::kOptions, BN_CLICKED, {}, {"options"}, -1},
        {"nobody's", 4242, BN_CLICKED, {}, {}, -1},
    };
    for (const auto& c : cases) {
        TestDialog fresh;
        ASSERT_TRUE(fresh.Create());
        app.log.clear();
        fresh.SendMessage(WM_COMMAND, MAKEWPARAM(c.id, c.code));
        EXPECT_EQ(fresh.log, c.dialogLog) << c.name;
        EXPECT_EQ(app.log, c.appLog) << c.name;
        EXPECT_EQ(fresh.GetModalResult(), c.result) << c.name;
    }
}

TEST_F(DialogCommands, EnterEscapeAndTheCloseBoxAsTheDialogManagerHandlesThem) {
    const struct {
        const char* name;
        int focus;
        int disabled; // 0: none
        Qt::Key key;
        Log log;
        INT_PTR result;
    } cases[] = {
        {"Enter in an edit runs the default button", TestIds::kText, 0, Qt::Key_Return, {}, IDOK},
        {"keypad Enter too", TestIds::kNumber, 0, Qt::Key_Enter, {}, IDOK},
        {"Enter on a push button runs that button",
         TestIds::kFind,
         0,
         Qt::Key_Return,
         {"find"},
         -1},
        {"Enter on an owner-drawn button runs the default",
         TestIds::kDraw,
         0,
         Qt::Key_Return,
         {},
         IDOK},
        {"Enter on a check box runs the default", TestIds::kCheck, 0, Qt::Key_Return, {}, IDOK},
        {"Enter with the default disabled does nothing",
         TestIds::kText,
         IDOK,
         Qt::Key_Return,
         {},
         -1},
        {"Escape cancels", TestIds::kText, 0, Qt::Key_Escape, {}, IDCANCEL},
        {"Escape cancels even with Cancel disabled",
         TestIds::kFind,
         IDCANCEL,
         Qt::Key_Escape,
         {},
         IDCANCEL},
    };
    for (const auto& c : cases) {
        TestDialog fresh;
        ASSERT_TRUE(fresh.Create());
        ShowActive(fresh);
        if (c.disabled != 0)
            fresh.GetDlgItem(c.disabled)->EnableWindow(FALSE);
        QWidget* focus = Widget(fresh, c.focus);
        focus->setFocus();
        ASSERT_TRUE(focus->hasFocus()) << c.name;
        QTest::keyClick(focus, c.key);
        EXPECT_EQ(fresh.log, c.log) << c.name;
        EXPECT_EQ(fresh.GetModalResult(), c.result) << c.name;
    }
}

TEST_F(DialogCommands, TheCloseBoxCancelsUnlessCancelIsDisabled) {
    EXPECT_FALSE(dialog.m_hWnd->close());
    EXPECT_EQ(dialog.GetModalResult(), IDCANCEL);

    TestDialog other;
    ASSERT_TRUE(other.Create());
    other.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    EXPECT_FALSE(other.m_hWnd->close());
    EXPECT_EQ(other.GetModalResult(), -1);
    EXPECT_TRUE(other.m_hWnd->isVisible());
}

TEST_F(DialogCommands, MnemonicsClickButtonsFocusPastLabelsAndLeaveTheRestToTheMenu) {
    const struct {
        const char* name;
        int focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Log dialogLog, appLog;
        int focusAfter; // 0: the dialog has ended
        INT_PTR result;
    } cases[] = {
        {"Alt+letter clicks the button",
         TestIds::kText,
         Qt::Key_F,
         Qt::AltModifier,
         {"find"},
         {},
         TestIds::kFind,
         -1},
        {"a letter alone does on a button",
         IDCANCEL,
         Qt::Key_F,
         Qt::NoModifier,
         {"find"},
         {},
         TestIds::kFind,
         -1},
        {"a letter alone types in an edit",
         TestIds::kText,
         Qt::Key_F,
         Qt::NoModifier,
         {"change"},
         {},
         TestIds::kText,
         -1},
        {"Ctrl+letter is no mnemonic",
         IDCANCEL,
         Qt::Key_F,
         Qt::ControlModifier,
         {},
         {},
         IDCANCEL,
         -1},
        {"a hidden button is skipped",
         TestIds::kText,
         Qt::Key_Z,
         Qt::AltModifier,
         {},
         {},
         TestIds::kText,
         -1},
        {"a label passes the focus on",
         TestIds::kText,
         Qt::Key_L,
         Qt::AltModifier,
         {},
         {},
         TestIds::kList,
         -1},
        {"the button wins over the menu",
         TestIds::kText,
         Qt::Key_H,
         Qt::AltModifier,
         {},
         {"help"},
         ID_HELP,
         -1},
        {"a command in the menu bar", TestIds::kText, Qt::Key_X, Qt::AltModifier, {}, {}, 0, IDOK},
    };
    for (const auto& c : cases) {
        TestDialog fresh;
        ASSERT_TRUE(fresh.Create());
        ShowActive(fresh);
        app.log.clear();
        Widget(fresh, c.focus)->setFocus();
        QTest::keyClick(Widget(fresh, c.focus), c.key, c.modifiers);
        EXPECT_EQ(fresh.log, c.dialogLog) << c.name;
        EXPECT_EQ(app.log, c.appLog) << c.name;
        if (c.focusAfter != 0) {
            EXPECT_TRUE(Widget(fresh, c.focusAfter)->hasFocus()) << c.name;
        }
        EXPECT_EQ(fresh.GetModalResult(), c.result) << c.name;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.name;
    }
}

// Regression: with two buttons sharing a mnemonic, the key pressed whichever
// came next after the focus, so Alt+O in the main window could open the
// Options instead of the file. Now it only moves the focus between them.
TEST_F(DialogCommands, AMnemonicTwoButtonsShareMovesTheFocusWithoutPressing) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ShowActive(dialog);
    dialog.GetDlgItem(TestIds::kDraw)->SetWindowText("&Fetch");
    Widget(dialog, TestIds::kText)->setFocus();
    for (const int expected : {TestIds::kFind, TestIds::kDraw, TestIds::kFind}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        EXPECT_TRUE(Widget(dialog, expected)->hasFocus()) << expected;
    }
    EXPECT_TRUE(dialog.log.empty());
    dialog.GetDlgItem(TestIds::kDraw)->SetWindowText("&Draw");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"find"});
}

TEST_F(DialogCommands, MenuItemsChosenWithTheirMnemonicsSendTheirIds) {
    const struct {
        Qt::Key menu, item;
        Log dialogLog, appLog;
    } cases[] = {
        {Qt::Key_E, Qt::Key_B, {"browse"}, {}},
        {Qt::Key_E, Qt::Key_O, {}, {"options"}},
    };
    for (const auto& c : cases) {
        TestDialog fresh;
        ASSERT_TRUE(fresh.Create());
        ShowActive(fresh);
        app.log.clear();
        Widget(fresh, TestIds::kText)->setFocus();
        QTest::keyClick(Widget(fresh, TestIds::kText), c.menu, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(qobject_cast<QMenu*>(popup), nullptr);
        QTest::keyClick(popup, c.item);
        EXPECT_EQ(fresh.log, c.dialogLog);
        EXPECT_EQ(app.log, c.appLog);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
}

TEST_F(DialogCommands, TheFirstTabStopHasTheFocusAndTabFollowsTheTemplate) {
    EXPECT_TRUE(Control(IDOK)->hasFocus());
    const int order[] = {IDCANCEL,        TestIds::kText, TestIds::kNumber,
                         TestIds::kCheck, TestIds::kList, TestIds::kFind,
                         TestIds::kDraw,  ID_HELP,        IDOK};
    for (int id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(Control(id)->hasFocus()) << id;
    }
}

TEST_F(DialogCommands, EscapeInTheMenuBarClosesTheMenuNotTheDialog) {
    QMenuBar* bar = dialog.m_hWnd->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    CWnd::FromHandle(bar); // the framework has met the menu bar, as GetFocus may
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Escape);
    EXPECT_EQ(dialog.GetModalResult(), -1);
}

// Opened with the mouse, a menu left the focus in the dialog; the arrow keys
// then moved on to the bar's own command "E&xit!", and Escape reached the
// dialog and ended it. A highlight that only follows the pointer takes no keys.
TEST_F(DialogCommands, EscapeAfterArrowingOntoTheBarsCommandOnlyLeavesTheMenu) {
    const struct {
        const char* name;
        bool byKeys;
        Log log;
        INT_PTR result;
    } cases[] = {
        {"menu opened with the mouse, Left onto the command", true, {}, -1},
        {"the pointer over the command", false, {}, IDCANCEL},
    };
    for (const auto& c : cases) {
        TestDialog fresh;
        ASSERT_TRUE(fresh.Create());
        ShowActive(fresh);
        QMenuBar* bar = fresh.m_hWnd->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        QAction* edit = bar->actions().front();
        QAction* exit = bar->actions().back();
        if (c.byKeys) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit).center());
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(qobject_cast<QMenu*>(popup), nullptr) << c.name;
            QTest::keyClick(popup, Qt::Key_Left);
        } else {
            SendMouse(bar, QEvent::MouseMove, Qt::NoButton, Qt::NoButton,
                      bar->actionGeometry(exit).center());
        }
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr) << c.name;
        ASSERT_EQ(bar->activeAction(), exit) << c.name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(fresh.log, c.log) << c.name;
        EXPECT_EQ(fresh.GetModalResult(), c.result) << c.name;
        if (c.byKeys) {
            EXPECT_EQ(bar->activeAction(), nullptr) << c.name << ": the menu is left";
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_EQ(fresh.GetModalResult(), IDCANCEL)
                << c.name << ": then Escape is the dialog's";
        }
    }
}
