#include "ProcessorPermits.h"

void ProcessorPermits::Acquire() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_startWait.wait(lock, [this] { return m_stopped || (m_free > 0 && m_wokenWaiting == 0); });
    if (!m_stopped)
        --m_free;
}

void ProcessorPermits::Woken() {
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_wokenWaiting;
    m_wokenWaitingHint.store(m_wokenWaiting, std::memory_order_relaxed);
    m_wokenWait.wait(lock, [this] { return m_stopped || m_free > 0; });
    --m_wokenWaiting;
    m_wokenWaitingHint.store(m_wokenWaiting, std::memory_order_relaxed);
    if (!m_stopped)
        --m_free;
    // The starters wait for the woken threads: the last one lets them go on.
    if (m_wokenWaiting == 0 && m_free > 0)
        m_startWait.notify_one();
}

void ProcessorPermits::Release() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_stopped)
        return;
    ++m_free;
    if (m_wokenWaiting > 0)
        m_wokenWait.notify_one();
    else
        m_startWait.notify_one();
}

void ProcessorPermits::Yield() {
    if (m_wokenWaitingHint.load(std::memory_order_relaxed) == 0)
        return;
    Release();
    Acquire();
}

void ProcessorPermits::Stop() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
    }
    m_wokenWait.notify_all();
    m_startWait.notify_all();
}
