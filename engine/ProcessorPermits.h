#pragma once

#include "SleepNotice.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

// Lets more threads read files than there are processors, while no more of
// them use a processor at once than there are permits: a thread holds a
// permit while it works and lets go of it while it sleeps (Sleeping, Woken),
// so that the disk has many reads to answer at once while the scanning stays
// bounded by the processors. A thread woken from a sleep goes before one that
// has not started.
//
// Each thread that Acquired a permit gives it back (Release, or Sleeping)
// before it takes another (Woken, Acquire); Yield does both.
class ProcessorPermits : public SleepNotice {
public:
    explicit ProcessorPermits(unsigned permits) : m_free(permits > 0 ? permits : 1) {}

    // A thread that starts out, or that has nothing in hand.
    void Acquire();
    void Release();
    // Between two pieces of work: when a woken thread waits for a permit,
    // this one passes its own on and waits as one that starts out.
    void Yield();
    // The search is stopping: every wait ends, and permits are no longer
    // limited, so that no thread waits for another to end.
    void Stop();

    void Sleeping() override { Release(); }
    void Woken() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wokenWait;
    std::condition_variable m_startWait;
    unsigned m_free;             // guarded by m_mutex
    unsigned m_wokenWaiting = 0; // guarded by m_mutex
    bool m_stopped = false;      // guarded by m_mutex
    // m_wokenWaiting, for Yield to look at without the lock: a woken thread
    // that misses a Yield takes the next permit let go of.
    std::atomic<unsigned> m_wokenWaitingHint{0};
};
