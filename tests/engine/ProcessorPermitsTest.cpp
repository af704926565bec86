#include "ProcessorPermits.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

// No more threads hold a permit at once than there are permits, however
// often they sleep and wake; and each ends (none waits for ever).
TEST(ProcessorPermits, NoMoreThreadsWorkAtOnceThanThereArePermits) {
    for (const unsigned permits : {1u, 2u, 3u}) {
        ProcessorPermits gate(permits);
        std::atomic<unsigned> working{0}, most{0};
        const auto work = [&] {
            const unsigned now = ++working;
            for (unsigned seen = most; now > seen && !most.compare_exchange_weak(seen, now);) {
            }
            std::this_thread::yield();
            --working;
        };
        std::vector<std::thread> threads;
        for (int t = 0; t < 12; ++t) {
            threads.emplace_back([&] {
                gate.Acquire();
                for (int i = 0; i < 200; ++i) {
                    work();
                    if (i % 3 == 0) {
                        gate.Sleeping();
                        std::this_thread::yield();
                        gate.Woken();
                    } else {
                        gate.Yield();
                    }
                }
                gate.Release();
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        EXPECT_LE(most, permits);
        EXPECT_GE(most, 1u);
    }
}
