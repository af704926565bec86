#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// Lets a thread wait, with a deadline, for flags that other threads set, so
// that a fault makes a test fail instead of hang.
class Gate {
public:
    void Open(bool& flag) {
        std::lock_guard<std::mutex> lock(m_mutex);
        flag = true;
        m_changed.notify_all();
    }
    // False when `ready` has not become true within the deadline.
    template <class Ready> bool WaitFor(Ready ready) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(30), ready);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
};
