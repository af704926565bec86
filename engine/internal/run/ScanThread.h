#pragma once

#include <cstddef>
#include <functional>
#include <pthread.h>

// A scanning thread, with a stack far smaller than a thread's default (8 MiB
// of address space each): scanning needs little stack, and a search with
// many threads must start where the address space is limited too.
class ScanThread {
public:
    static constexpr size_t kStackBytes = 512 * 1024;

    // Starts `body` (which must outlive the thread); throws std::system_error
    // when the thread cannot be made.
    explicit ScanThread(const std::function<void()>& body);
    // Waits for the thread to end.
    ~ScanThread();
    ScanThread(const ScanThread&) = delete;
    ScanThread& operator=(const ScanThread&) = delete;

private:
    pthread_t m_thread;
};
