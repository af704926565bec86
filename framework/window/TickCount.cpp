#include "framework/window/TickCount.h"

#include <chrono>

DWORD GetTickCount() {
    if (const TickCountHook::Handler* hook = TickCountHook::Current())
        return (*hook)();
    // The monotonic clock counts from the system's start on Linux.
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}
