#include "framework/window/TickCount.h"

#include <gtest/gtest.h>

TEST(TickCount, AHookSetsTheTimeUntilItGoes) {
    const DWORD before = GetTickCount();
    {
        const TickCountHook outer([] { return DWORD{0xFFFFFFF0}; });
        EXPECT_EQ(GetTickCount(), 0xFFFFFFF0);
        {
            const TickCountHook inner([] { return DWORD{7}; });
            EXPECT_EQ(GetTickCount(), 7u);
        }
        EXPECT_EQ(GetTickCount(), 0xFFFFFFF0);
    }
    // The system's count again: not behind the one read before, and not
    // far ahead of it either.
    EXPECT_LT(GetTickCount() - before, 60000u);
}
