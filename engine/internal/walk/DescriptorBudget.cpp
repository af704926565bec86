#include "engine/internal/walk/DescriptorBudget.h"

#include "engine/TooFewDescriptors.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>

namespace {
// Limits above this are taken as this: a search never needs more.
constexpr size_t kPlenty = size_t{1} << 20;

// Descriptors open in the process now.
size_t OpenDescriptors(size_t softLimit) {
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        size_t count = 0;
        while (const dirent* d = ::readdir(dir)) {
            if (std::strcmp(d->d_name, ".") != 0 && std::strcmp(d->d_name, "..") != 0)
                ++count;
        }
        ::closedir(dir);
        return count > 0 ? count - 1 : 0; // not the listing's own
    }
    size_t count = 0;
    for (size_t fd = 0; fd < softLimit; ++fd) {
        if (::fcntl(static_cast<int>(fd), F_GETFD) != -1)
            ++count;
    }
    return count;
}
} // namespace

DescriptorBudget::Share DescriptorBudget::ForSearch(unsigned wantedThreads) {
    rlimit limit;
    size_t soft = kPlenty;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        soft = std::min(static_cast<size_t>(limit.rlim_cur), kPlenty);
    return Divide(soft, OpenDescriptors(soft), wantedThreads);
}

DescriptorBudget::Share DescriptorBudget::Divide(size_t limit, size_t open,
                                                 unsigned wantedThreads) {
    const size_t free = limit > open ? limit - open : 0;
    const size_t needed = kWalkFolders + 1;
    if (free < needed) {
        throw TooFewDescriptors("the limit on open files (" + std::to_string(limit) + ") leaves " +
                                std::to_string(free) + " for the search, which needs " +
                                std::to_string(needed));
    }
    const size_t share = std::max(free / 2, needed);
    const size_t threads = std::clamp<size_t>(wantedThreads, 1, std::max<size_t>(share / 3, 1));
    return {share - threads, static_cast<unsigned>(threads)};
}

void DescriptorBudget::Give() {
    m_held.fetch_sub(1, std::memory_order_release);
    Released();
}

void DescriptorBudget::FileClosed() {
    m_files.fetch_sub(1);
    Released();
}

void DescriptorBudget::Released() {
    m_releases.fetch_add(1);
    if (m_waiting.load() == 0)
        return;
    { std::lock_guard<std::mutex> lock(m_mutex); }
    m_released.notify_all();
}

void DescriptorBudget::WaitForRelease(uint64_t releases) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_waiting.fetch_add(1);
    m_released.wait(lock, [&] { return m_releases.load() != releases || m_woken; });
    m_waiting.fetch_sub(1);
}

void DescriptorBudget::Wake() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_woken = true;
    }
    m_released.notify_all();
}
