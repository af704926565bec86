#pragma once

#include <atomic>
#include <functional>

class CWnd;

// Runs a long piece of work on a worker thread while the window's own thread
// keeps the window alive: it paints, runs timers and answers the desktop,
// but keys and clicks meant for the window are dropped, not queued, so no
// other command runs meanwhile and nothing is replayed afterwards. Escape or
// the window's close box asks the work to stop; the window stays open.
// Meanwhile the pointer shows the busy cursor (the hourglass, IDC_WAIT)
// except while a Call runs, which may show a box that takes input.
//
// An exception that leaves the work (std::bad_alloc among them), or one of
// its calls, ends it and is thrown again from Run on the window's thread,
// once the worker has ended and the window has its cursor and its input
// back. When no worker thread can be made (std::system_error), the work runs
// on the window's thread instead: the window neither paints nor takes input
// until it ends, and Call runs its call at once.
class CBackgroundWork {
public:
    explicit CBackgroundWork(CWnd& window);
    ~CBackgroundWork();
    CBackgroundWork(const CBackgroundWork&) = delete;
    CBackgroundWork& operator=(const CBackgroundWork&) = delete;

    // Runs `work` and returns when it has finished. Meanwhile `tick` runs on
    // this thread every `intervalMs` (not while the work runs on this
    // thread), and once more after the work has finished, before the
    // work's exception, if any, is thrown again.
    void Run(const std::function<void()>& work, const std::function<void()>& tick, int intervalMs);

    // For the work: runs `call` on the window's thread and waits for it
    // (a message box shown this way takes input as usual). An exception from
    // `call` is thrown again here.
    void Call(const std::function<void()>& call);

    // Set once the user asked the work to stop.
    const std::atomic<bool>& StopRequested() const { return m_stop; }

private:
    // Runs `work` on a worker thread with an event loop here, `tick` on its
    // timer, until the work has ended. False when no thread could be made.
    static bool RunOnWorker(const std::function<void()>& work, const std::function<void()>& tick,
                            int intervalMs);

    CWnd& m_window;
    std::atomic<bool> m_stop{false};
};
