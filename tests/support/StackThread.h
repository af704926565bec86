#pragma once

#include <cstddef>
#include <functional>

// Runs code on a thread of its own with a stack of a given size, so that a
// test can show that deep input does not need a deep stack.
class StackThread {
public:
    // Runs `body` on a new thread with a stack of `stackBytes` and waits for
    // it. False when the thread could not be started.
    static bool Run(size_t stackBytes, const std::function<void()>& body);
};
