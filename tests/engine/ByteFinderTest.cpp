#include "engine/internal/match/ByteFinder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

// Every vector width the processor has, needles alone or paired, exact or
// letting both cases through, the stop byte, distances before and after, and ranges that
// start and end at every place around the vector widths, against a plain
// walk over the bytes.
TEST(ByteFinder, FindsWhatAPlainWalkFinds) {
    using Needle = ByteFinder::Needle;
    using Width = ByteFinder::Width;
    std::mt19937 random(3);
    const std::string alphabet = "abAB\xe9 \x1a";
    const unsigned char stop = 26;
    const ptrdiff_t margin = 48;
    const struct {
        Needle first, second;
    } needles[] = {
        {{'a', 0}, {'b', 0}},
        {{'a', 0x20}, {'b', 0x20}},
        {{' ', 0}, {'b', 0x20}},
        {{'a', 0x20}, {0xe9, 0}},
    };
    for (int round = 0; round < 40; ++round) {
        std::string text(margin + 300 + margin, 'x');
        for (char& c : text)
            c = random() % 3 ? 'x' : alphabet[random() % alphabet.size()];
        const char* base = text.data() + margin;
        for (const auto& pair : needles) {
            for (const bool paired : {false, true}) {
                const ptrdiff_t distance = static_cast<ptrdiff_t>(random() % 81) - 40;
                const auto is = [](char c, Needle needle) {
                    return (static_cast<unsigned char>(c) | needle.caseBits) == needle.byte;
                };
                const auto plain = [&](const char* p) {
                    return *p == static_cast<char>(stop) ||
                           (is(*p, pair.first) && (!paired || is(p[distance], pair.second)));
                };
                for (const Width width : {Width::Plain, Width::Sse2, Width::Avx2, Width::Avx512}) {
                    const ByteFinder finder(pair.first, pair.second, distance, paired, stop, width);
                    for (size_t from = 0; from < 130; from += 1 + random() % 5) {
                        for (size_t to = from; to <= 300; to += 1 + random() % 9) {
                            const char* expected = base + from;
                            while (expected < base + to && !plain(expected))
                                ++expected;
                            ASSERT_EQ(finder.Find(base + from, base + to) - base, expected - base)
                                << "width " << static_cast<int>(width) << " paired " << paired
                                << " distance " << distance << " range " << from << "-" << to
                                << " round " << round;
                        }
                    }
                }
            }
        }
    }
}
