#include "CBackgroundWork.h"
#include "DialogFixture.h"

#include <QTest>
#include <thread>

namespace {
class BackgroundWorkTest : public DialogFixture {};
} // namespace

TEST_F(BackgroundWorkTest, RunsTheWorkOnAnotherThreadAndCallsBackOnThisOne) {
    CBackgroundWork work(dialog);
    const std::thread::id here = std::this_thread::get_id();
    std::thread::id workThread, callThread;
    int ticks = 0;
    work.Run(
        [&] {
            workThread = std::this_thread::get_id();
            work.Call([&] { callThread = std::this_thread::get_id(); });
        },
        [&] { ++ticks; }, 50);
    EXPECT_NE(workThread, here);
    EXPECT_EQ(callThread, here);
    EXPECT_GE(ticks, 1) << "the tick runs once more at the end";
    EXPECT_FALSE(work.StopRequested());
}

TEST_F(BackgroundWorkTest, DropsInputToTheWindowWhileTheWorkRuns) {
    CBackgroundWork work(dialog);
    work.Run(
        [&] {
            work.Call([&] {
                QTest::mouseClick(Control(TestIds::kFind), Qt::LeftButton);
                QTest::keyClick(Control(TestIds::kText), Qt::Key_A);
                QTest::keyClick(dialog.m_hWnd->window(), Qt::Key_F, Qt::AltModifier);
            });
        },
        [] {}, 50);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.log.empty()) << "no command ran, during the work or after it";
    std::string text;
    dialog.GetDlgItem(TestIds::kText)->GetWindowText(text);
    EXPECT_EQ(text, "");
    EXPECT_FALSE(work.StopRequested());
    QTest::mouseClick(Control(TestIds::kFind), Qt::LeftButton);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"find"}) << "input works again afterwards";
}

TEST_F(BackgroundWorkTest, EscapeAndTheCloseBoxAskTheWorkToStop) {
    const struct {
        const char* name;
        std::function<void(QWidget*)> act;
    } cases[] = {
        {"Escape", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }},
        {"close box", [](QWidget* w) { w->window()->close(); }},
    };
    for (const auto& c : cases) {
        CBackgroundWork work(dialog);
        bool stoppedInTime = false;
        work.Run(
            [&] {
                work.Call([&] { c.act(Control(TestIds::kText)); });
                stoppedInTime = work.StopRequested();
            },
            [] {}, 50);
        EXPECT_TRUE(stoppedInTime) << c.name;
        EXPECT_FALSE(Ended()) << c.name << ": the window stays open";
        EXPECT_TRUE(dialog.m_hWnd->window()->isVisible()) << c.name;
    }
}
