#include "framework/dialog/AfxMessageBox.h"
#include "framework/dialog/ModalHook.h"
#include "framework/dialog/ResourceTable.h"
#include "tests/framework/support/TestDialog.h"
#include "tests/support/ModalDeadline.h"
#include "tests/support/UiDriver.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Hooks, AMessageBoxHookReplacesTheBoxAndHooksNest) {
    ResourceTable::AddString(109, "Tips file does not exist in the prescribed directory");
    std::vector<std::string> outerSeen;
    MessageBoxHook outer([&outerSeen](const std::string& text, UINT type) {
        outerSeen.push_back(text + "/" + std::to_string(type));
        return 7;
    });
    {
        MessageBoxHook inner([](const std::string&, UINT) { return 9; });
        EXPECT_EQ(AfxMessageBox("inner"), 9);
    }
    EXPECT_EQ(AfxMessageBox("Please enter search string", MB_OK), 7);
    EXPECT_EQ(AfxMessageBox(109, MB_ICONEXCLAMATION), 7);
    EXPECT_EQ(AfxMessageBox(4711), 7);
    EXPECT_EQ(outerSeen, (std::vector<std::string>{
                             "Please enter search string/0",
                             "Tips file does not exist in the prescribed directory/48", "/0"}));
}

TEST(Hooks, UnderAModalHookDoModalHandsOverTheInitialisedDialog) {
    RegisterTestResources();
    TestDialog dialog;
    dialog.m_text = "abc";
    bool called = false;
    ModalHook hook([&called](CDialog& running) {
        called = true;
        auto& test = dynamic_cast<TestDialog&>(running);
        EXPECT_TRUE(running.m_hWnd->isVisible());
        std::string text;
        running.GetDlgItem(TestIds::kText)->GetWindowText(text);
        EXPECT_EQ(text, "abc");
        EXPECT_EQ(test.m_draw.GetButtonStyle(), BS_OWNERDRAW);
        EXPECT_EQ(running.m_hWnd->focusWidget(), Widget(running, IDOK));
        QTest::mouseClick(Widget(running, IDCANCEL), Qt::LeftButton);
        EXPECT_EQ(running.GetModalResult(), IDCANCEL);
        return INT_PTR{42};
    });
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_TRUE(called);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_draw.m_hWnd, nullptr);
}

TEST(Hooks, ACommandHandlerRunsANestedDialogThroughTheHook) {
    RegisterTestResources();
    TestDialog outer;
    ASSERT_TRUE(outer.Create());
    ShowActive(outer);
    INT_PTR innerResult = 0;
    outer.onBrowse = [&innerResult] {
        CDialog inner(TestIds::kSmallDialog);
        innerResult = inner.DoModal();
    };
    ModalHook hook([](CDialog& inner) {
        QTest::keyClick(inner.m_hWnd->focusWidget(), Qt::Key_Return);
        return inner.GetModalResult();
    });
    outer.SendMessage(WM_COMMAND, MAKEWPARAM(TestIds::kBrowse, 0));
    EXPECT_EQ(innerResult, IDOK);
    EXPECT_EQ(outer.log, std::vector<std::string>{"browse"});
    EXPECT_EQ(outer.GetModalResult(), -1);
}

TEST(Hooks, ModalLoopsNestOnTheOneThread) {
    RegisterTestResources();
    QApplication::setQuitOnLastWindowClosed(false);
    TestDialog outer;
    INT_PTR innerResult = 0;
    outer.onBrowse = [&outer, &innerResult] {
        CDialog inner(TestIds::kSmallDialog);
        QTimer::singleShot(0, [&inner] { QTest::mouseClick(Widget(inner, IDOK), Qt::LeftButton); });
        innerResult = inner.DoModal();
        outer.EndDialog(77);
    };
    QTimer::singleShot(
        0, [&outer] { outer.SendMessage(WM_COMMAND, MAKEWPARAM(TestIds::kBrowse, 0)); });
    const ModalDeadline deadline;
    EXPECT_EQ(outer.DoModal(), 77);
    EXPECT_EQ(innerResult, IDOK);
}

TEST(Hooks, DoModalEndsWithoutALoopWhenInitialisationEndsTheDialog) {
    RegisterTestResources();
    class EndsAtOnce : public CDialog {
    public:
        EndsAtOnce() : CDialog(TestIds::kSmallDialog) {}
        BOOL OnInitDialog() override {
            EndDialog(5);
            return CDialog::OnInitDialog();
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), 5);
    CDialog missing(TestIds::kMissing);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_FALSE(missing.Create());
}
