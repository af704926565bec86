#include "framework/window/CBackgroundWork.h"
#include "tests/framework/support/DialogFixture.h"
#include "tests/support/ChildProcess.h"

#include <QTest>
#include <new>
#include <set>
#include <stdexcept>
#include <sys/resource.h>
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

// An exception that left the work on the worker thread ended the program
// (std::terminate). It reaches the caller on this thread instead, after the
// last tick, with the cursor and the window's input back.
TEST_F(BackgroundWorkTest, AnExceptionThatEndedTheProgramFromTheWorkerReachesTheCaller) {
    const struct {
        const char* name;
        std::function<void(CBackgroundWork&)> work;
    } cases[] = {
        {"the work", [](CBackgroundWork&) { throw std::bad_alloc(); }},
        {"a call", [](CBackgroundWork& w) { w.Call([] { throw std::bad_alloc(); }); }},
    };
    for (const auto& c : cases) {
        CBackgroundWork work(dialog);
        int ticks = 0;
        bool reachedTheEnd = false;
        EXPECT_THROW(work.Run(
                         [&] {
                             c.work(work);
                             reachedTheEnd = true;
                         },
                         [&] { ++ticks; }, 50),
                     std::bad_alloc)
            << c.name;
        EXPECT_FALSE(reachedTheEnd) << c.name;
        EXPECT_GE(ticks, 1) << c.name;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.name;
        dialog.log.clear();
        QTest::mouseClick(Control(TestIds::kFind), Qt::LeftButton);
        EXPECT_EQ(dialog.log, std::vector<std::string>{"find"}) << c.name;
    }
}

// With no thread to be had (the unprivileged user may run no more
// processes), the work runs on this thread, its calls at once; an exception
// still reaches the caller after the tick.
TEST_F(BackgroundWorkTest, WithoutAWorkerThreadTheWorkRunsOnTheWindowsThread) {
    const std::string answer = ChildProcess::RunUnprivileged("/", [this]() -> std::string {
        const rlimit none{1, 1};
        if (::setrlimit(RLIMIT_NPROC, &none) != 0)
            return std::string(ChildProcess::kSkip) + "no limit on processes";
        CBackgroundWork work(dialog);
        std::set<std::thread::id> threads;
        int ticks = 0;
        try {
            work.Run(
                [&] {
                    threads.insert(std::this_thread::get_id());
                    work.Call([&] { threads.insert(std::this_thread::get_id()); });
                    throw std::runtime_error("out of luck");
                },
                [&] { ++ticks; }, 50);
        } catch (const std::runtime_error&) {
            const bool here = threads == std::set{std::this_thread::get_id()};
            return here && ticks == 1 ? "ok" : "ran elsewhere, or ticks: " + std::to_string(ticks);
        }
        return "no exception";
    });
    if (answer.starts_with(ChildProcess::kSkip))
        GTEST_SKIP() << answer;
    EXPECT_EQ(answer, "ok");
}
