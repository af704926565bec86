#pragma once

#include <atomic>

// How a search is carried out; the answers never depend on it.
struct SearchTuning {
    // Threads that scan files; 0 = one per processor core. With 1 everything
    // runs on the calling thread.
    unsigned threads = 0;
    // Look for the pattern's literal run first and test only the pieces that
    // hold it. Off, with one thread, gives the plain search that reads every
    // piece of every file and lists the tree once per walk.
    bool prefilter = true;
    // Set by the owner to end the search early; the records made so far stay.
    const std::atomic<bool>* cancel = nullptr;
};
