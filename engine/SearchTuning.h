#pragma once

#include <atomic>
#include <cstddef>

struct SearchHooks;

// How a search is carried out; the answers never depend on it.
struct SearchTuning {
    // More scanning threads than this gain nothing and cost memory.
    static constexpr unsigned kMaxThreads = 64;

    // The threads of a search by default: the reads in flight that keep a
    // disk busy when the files are not in memory yet. (Fewer leave the disk
    // idle; more gain nothing there and cost time when the files are in
    // memory.)
    static constexpr unsigned kDiskReaders = 16;

    // Threads that open, read and scan files; with 1 everything runs on the
    // calling thread. 0 = kDiskReaders, or one per processor where there are
    // more processors. At most kMaxThreads are used, and fewer when the limit
    // on open descriptors is low.
    unsigned threads = 0;
    // Slots of the ring that hands files to the scanning threads; 0 = 1,024
    // plus 256 per thread.
    size_t ringSlots = 0;
    // The bytes the records in flight may hold before scans that are not the
    // oldest wait; 0 = 8 MiB.
    size_t recordBytes = 0;
    // Set by the owner to end the search early; the records made so far stay.
    const std::atomic<bool>* cancel = nullptr;
    // For tests: called at the hand-over points.
    const SearchHooks* hooks = nullptr;
};
