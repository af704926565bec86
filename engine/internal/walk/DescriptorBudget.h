#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

// The descriptors a search may hold at once: the folders its walk keeps open
// along its path and those that queued files pin until they are scanned
// (counted by FolderHandle), and the files the scanning threads hold open.
// Folder handles are made on the walk's thread and may be let go of on any
// thread; files are opened and closed by the scanning threads.
class DescriptorBudget {
public:
    // A walk needs a folder and its parent open, and a file to read.
    static constexpr size_t kWalkFolders = 2;

    // How a search starting now shares what the soft limit on open
    // descriptors leaves beside those already open: half of it (or all of
    // it when half is less than a walk needs) for the search, the other half
    // for the rest of the program. Each thread holds one file open, so the
    // threads are at most a third of the share, and never fewer than one.
    struct Share {
        size_t folders;
        unsigned threads;
    };
    // Throws TooFewDescriptors when not even one thread and a walk's two
    // folders fit.
    static Share ForSearch(unsigned wantedThreads);
    // The same for a limit and a number of descriptors already open.
    static Share Divide(size_t limit, size_t open, unsigned wantedThreads);

    explicit DescriptorBudget(size_t folders) : m_limit(folders > 0 ? folders : 1) {}
    DescriptorBudget(const DescriptorBudget&) = delete;
    DescriptorBudget& operator=(const DescriptorBudget&) = delete;

    // Folders.
    size_t Limit() const { return m_limit; }
    size_t Held() const { return m_held.load(std::memory_order_acquire); }
    bool Spent() const { return Held() >= m_limit; }
    void Take() { m_held.fetch_add(1, std::memory_order_relaxed); }
    void Give();

    // Files held open by scans that are running: each such scan ends and
    // closes its file without waiting for anything else. A scan that pauses
    // counts itself out while it does (FileClosed, then FileOpened).
    size_t FilesOpen() const { return m_files.load(); }
    void FileOpened() { m_files.fetch_add(1); }
    void FileClosed();

    // A scan whose open failed for want of descriptors (EMFILE or ENFILE):
    // the count of descriptors let go of so far, to pass to WaitForRelease
    // before the open is tried again.
    uint64_t Releases() const { return m_releases.load(); }
    // Sleeps until a folder or file is let go of after `releases`, or Wake().
    void WaitForRelease(uint64_t releases);
    // Ends every WaitForRelease: the search is stopping.
    void Wake();

private:
    void Released();

    size_t m_limit;
    std::atomic<size_t> m_held{0};
    std::atomic<size_t> m_files{0};
    std::atomic<uint64_t> m_releases{0};
    // A thread in WaitForRelease counts itself in m_waiting under the lock,
    // then reads m_releases; Released counts the release, then takes the lock
    // to notify when it sees a waiter. One of them sees the other's write.
    std::atomic<unsigned> m_waiting{0};
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_woken = false; // guarded by m_mutex
};
