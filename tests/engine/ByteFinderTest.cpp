#include "ByteFinder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

// Every size of the two sets, distances before and after, and ranges that
// start and end at every place around the vector widths, against a plain
// walk over the bytes.
TEST(ByteFinder, FindsWhatAPlainWalkFinds) {
    std::mt19937 random(3);
    const std::string alphabet = "abAB\xe9 ";
    const ptrdiff_t margin = 48;
    for (int round = 0; round < 60; ++round) {
        std::string text(margin + 200 + margin, 'x');
        for (char& c : text)
            c = random() % 3 ? 'x' : alphabet[random() % alphabet.size()];
        for (const int firstCount : {1, 2}) {
            for (const int secondCount : {0, 1, 2}) {
                const ByteFinder::Set first{{'a', 'A'}, firstCount};
                const ByteFinder::Set second{{'b', 0xe9}, secondCount};
                const ptrdiff_t distance = static_cast<ptrdiff_t>(random() % 81) - 40;
                const ByteFinder finder(first, second, distance);
                const auto plain = [&](const char* p) {
                    const auto in = [](const ByteFinder::Set& set, char c) {
                        return c == static_cast<char>(set.bytes[0]) ||
                               (set.count > 1 && c == static_cast<char>(set.bytes[1]));
                    };
                    return in(first, *p) && (secondCount == 0 || in(second, p[distance]));
                };
                const char* base = text.data() + margin;
                for (size_t from = 0; from < 100; from += 1 + random() % 5) {
                    for (size_t to = from; to <= 200; to += 1 + random() % 9) {
                        const char* expected = base + from;
                        while (expected < base + to && !plain(expected))
                            ++expected;
                        ASSERT_EQ(finder.Find(base + from, base + to) - base, expected - base)
                            << "sets " << firstCount << "/" << secondCount << " distance "
                            << distance << " range " << from << "-" << to << " round " << round;
                    }
                }
            }
        }
    }
}
