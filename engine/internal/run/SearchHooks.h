#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Points of the parallel search where a test may hold a thread back or count
// what happens. Each is called, when set, on the thread named; positions are
// those of the hand-over ring's items, counted from 0.
struct SearchHooks {
    // The owner is about to start scanning thread `index` (from 0); it may
    // throw std::system_error, as a thread that cannot be made does.
    std::function<void(unsigned index)> starting;
    // The owner has put item `position` into the ring.
    std::function<void(uint64_t position)> produced;
    // The owner is about to wait until item `position` is done.
    std::function<void(uint64_t position)> waiting;
    // A scanning thread has claimed item `position` and is about to read it.
    std::function<void(uint64_t position)> claimed;
    // Any thread is about to open the file at `path`.
    std::function<void(const std::string& path)> opening;
    // A scanning thread is about to read a block of a file.
    std::function<void()> reading;
};
