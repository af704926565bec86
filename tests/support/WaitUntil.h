#pragma once

#include <chrono>
#include <thread>

// How long a test waits for something that is due at once: ample for a slow,
// busy machine, yet far below the test runner's timeout, so that a wait that
// never ends fails with its own message.
constexpr std::chrono::milliseconds kTestDeadline{30000};

// Checks `condition` every few milliseconds until it holds or `deadline` has
// passed; returns whether it held. For waits outside a Qt event loop (Qt tests
// use QTest::qWaitFor with kTestDeadline).
template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds deadline = kTestDeadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
