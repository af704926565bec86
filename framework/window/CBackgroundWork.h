#pragma once

#include <atomic>
#include <functional>
#include <memory>

class CWnd;

// Runs a long piece of work on a worker thread while the window's own thread
// keeps the window alive: it paints, runs timers and answers the desktop,
// but keys and clicks meant for the window are dropped, not queued, so no
// other command runs meanwhile and nothing is replayed afterwards. Escape or
// the window's close box asks the work to stop; the window stays open.
// Meanwhile the pointer shows the busy cursor (the hourglass, IDC_WAIT)
// except while a Call runs, which may show a box that takes input.
class CBackgroundWork {
public:
    explicit CBackgroundWork(CWnd& window);
    ~CBackgroundWork();
    CBackgroundWork(const CBackgroundWork&) = delete;
    CBackgroundWork& operator=(const CBackgroundWork&) = delete;

    // Runs `work` on a worker thread and returns when it has finished.
    // Meanwhile `tick` runs on this thread every `intervalMs`, and once
    // more after the work has finished.
    void Run(const std::function<void()>& work, const std::function<void()>& tick, int intervalMs);

    // For the work: runs `call` on the window's thread and waits for it
    // (a message box shown this way takes input as usual).
    void Call(const std::function<void()>& call);

    // Set once the user asked the work to stop.
    const std::atomic<bool>& StopRequested() const { return m_stop; }

private:
    class InputGate;
    CWnd& m_window;
    std::atomic<bool> m_stop{false};
    std::unique_ptr<InputGate> m_gate;
};
