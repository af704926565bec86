#pragma once

#include <atomic>
#include <cstddef>

// How many folder descriptors a search may hold at once: those its walk keeps
// open along its path and those that queued files pin until they are
// scanned. Handles count themselves in (FolderHandle); they are made on the
// walk's thread and may be let go of on any thread.
class DescriptorBudget {
public:
    // The share for a search starting now, with `threads` threads that each
    // hold one file open: half of what the soft limit on open descriptors
    // leaves beside the descriptors already open and those files, so that
    // the program keeps the other half for its own use.
    static size_t ForSearch(unsigned threads);

    explicit DescriptorBudget(size_t limit) : m_limit(limit > 0 ? limit : 1) {}
    DescriptorBudget(const DescriptorBudget&) = delete;
    DescriptorBudget& operator=(const DescriptorBudget&) = delete;

    size_t Limit() const { return m_limit; }
    size_t Held() const { return m_held.load(std::memory_order_acquire); }
    bool Spent() const { return Held() >= m_limit; }

    void Take() { m_held.fetch_add(1, std::memory_order_relaxed); }
    void Give() { m_held.fetch_sub(1, std::memory_order_release); }

private:
    size_t m_limit;
    std::atomic<size_t> m_held{0};
};
