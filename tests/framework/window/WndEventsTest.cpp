#include "tests/framework/support/DialogFixture.h"
#include "tests/framework/window/EventWnd.h"
#include "tests/support/WaitUntil.h"

#include <QTest>
#include <algorithm>

namespace {
bool Logged(const std::vector<std::string>& log, const std::string& entry) {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

// Runs the event loop until `entry` is in `log`, for at most the tests'
// deadline; whether it came.
bool AwaitLogged(const std::vector<std::string>& log, const std::string& entry) {
    return QTest::qWaitFor([&] { return Logged(log, entry); },
                           static_cast<int>(kTestDeadline.count()));
}
} // namespace

class WndEvents : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        ASSERT_TRUE(find.SubclassDlgItem(TestIds::kFind, &dialog));
        ASSERT_TRUE(cancel.SubclassDlgItem(IDCANCEL, &dialog));
    }
    EventWnd find;
    EventWnd cancel;
};

TEST_F(WndEvents, PreTranslateMessageSeesInputBeforeTheControlAndTheDialog) {
    const struct {
        const char* name;
        UINT swallow;
        void (*act)(QWidget*);
        std::vector<std::string> dialogLog;
        INT_PTR result;
    } cases[] = {
        {"a click passes",
         0,
         [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); },
         {"find"},
         -1},
        {"a swallowed press clicks nothing",
         WM_LBUTTONDOWN,
         [](QWidget* b) { QTest::mouseClick(b, Qt::LeftButton); },
         {},
         -1},
        {"a swallowed space clicks nothing",
         WM_KEYDOWN,
         [](QWidget* b) { QTest::keyClick(b, Qt::Key_Space); },
         {},
         -1},
        {"Enter swallowed before the dialog sees it",
         WM_KEYDOWN,
         [](QWidget* b) { QTest::keyClick(b, Qt::Key_Return); },
         {},
         -1},
        {"Enter that passes is the dialog's",
         0,
         [](QWidget* b) { QTest::keyClick(b, Qt::Key_Return); },
         {"find"},
         -1},
    };
    for (const auto& c : cases) {
        find.swallow = c.swallow;
        Control(TestIds::kFind)->setFocus();
        dialog.log.clear();
        find.log.clear();
        c.act(Control(TestIds::kFind));
        EXPECT_EQ(dialog.log, c.dialogLog) << c.name;
        EXPECT_EQ(dialog.GetModalResult(), c.result) << c.name;
        EXPECT_FALSE(find.log.empty()) << c.name;
        EXPECT_EQ(find.log.front().rfind("pretranslate", 0), 0u) << c.name;
    }
}

TEST_F(WndEvents, MouseMovesCarryTheLeftButtonFlagAndTheClientPoint) {
    QWidget* button = Control(TestIds::kFind);
    SendMouse(button, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(5, 6));
    SendMouse(button, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(7, 8));
    ASSERT_EQ(find.moveFlags.size(), 2u);
    EXPECT_EQ(find.moveFlags[0], 0u);
    EXPECT_EQ(find.moveFlags[1], static_cast<UINT>(MK_LBUTTON));
    EXPECT_EQ(find.movePoints[0], CPoint(5, 6));
    EXPECT_EQ(find.movePoints[1], CPoint(7, 8));
    EXPECT_EQ(std::count(find.log.begin(), find.log.end(), "cursor"), 2);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_TRUE(Logged(find.log, "leave"));
}

TEST_F(WndEvents, AHandlerThatSkipsTheDefaultKeepsTheEventFromTheWidget) {
    find.withholdPress = true;
    QTest::mouseClick(Control(TestIds::kFind), Qt::LeftButton);
    EXPECT_TRUE(Logged(find.log, "down"));
    EXPECT_TRUE(dialog.log.empty());
}

TEST_F(WndEvents, FocusChangesReachTheWindowLosingAndTheWindowGaining) {
    Control(TestIds::kFind)->setFocus();
    Control(IDCANCEL)->setFocus();
    EXPECT_TRUE(Logged(find.log, "setfocus"));
    EXPECT_TRUE(Logged(find.log, "killfocus"));
    EXPECT_EQ(find.killedFor, &cancel);
    EXPECT_TRUE(Logged(cancel.log, "setfocus"));
    EXPECT_EQ(CWnd::GetFocus(), &cancel);
}

TEST_F(WndEvents, ADesktopPaletteChangeIsASystemColourChange) {
    const QPalette before = QApplication::palette();
    QPalette changed = before;
    changed.setColor(QPalette::Button, QColor(12, 34, 56));
    QApplication::setPalette(changed);
    QApplication::processEvents(); // the change reaches the widgets as posted events
    EXPECT_TRUE(Logged(find.log, "syscolor"));
    QApplication::setPalette(before);
    QApplication::processEvents();
}

TEST_F(WndEvents, TimersTickUntilKilled) {
    EXPECT_EQ(find.SetTimer(7, 10), 7u);
    ASSERT_TRUE(AwaitLogged(find.log, "timer 7")) << "the timer never ticked";
    EXPECT_TRUE(find.KillTimer(7));
    EXPECT_FALSE(find.KillTimer(7));
    EXPECT_FALSE(find.KillTimer(8));
}

TEST_F(WndEvents, APostedMessageArrivesOnceTheEventLoopRuns) {
    EXPECT_TRUE(find.PostMessage(0x8001, 5, 0));
    EXPECT_FALSE(Logged(find.log, "posted 32769 5"));
    EXPECT_TRUE(AwaitLogged(find.log, "posted 32769 5")) << "the posted message never arrived";
}

TEST_F(WndEvents, UpdateWindowPaintsBeforeItReturns) {
    QApplication::processEvents(); // paints what showing the dialog asked for
    find.paints = 0;
    dialog.SetWindowText("a new caption");
    find.Invalidate();
    EXPECT_EQ(find.paints, 0);
    dialog.UpdateWindow();
    EXPECT_GT(find.paints, 0);
}

TEST_F(WndEvents, TheActiveWindowIsNoneWhileAnotherApplicationIsActive) {
    EXPECT_EQ(CWnd::GetActiveWindow(), &dialog);
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(CWnd::GetActiveWindow(), nullptr);
}

TEST_F(WndEvents, DestroyingTheDialogTellsAndDetachesEveryAttachedWindow) {
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_TRUE(Logged(find.log, "destroy"));
    EXPECT_TRUE(Logged(cancel.log, "destroy"));
    EXPECT_EQ(find.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_draw.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.GetDlgItem(TestIds::kFind), nullptr);
}
