#include "engine/internal/read/BlockReader.h"

#include "tests/support/MemoryFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The reads a file takes, and what they return: a read that stops short at
// the size the file had when opened is the last one, and only then.
TEST(BlockReader, EndsWithoutAnotherReadOnlyWhenAShortReadMeetsTheSize) {
    const uint64_t unknown = BlockReader::kUnknownSize;
    const std::string text(100, 'a');
    struct Case {
        const char* name;
        std::string content;
        uint64_t size;
        size_t room;
        std::vector<size_t> reads; // what each Read returns, up to the first 0
        bool endedAfterFirst;
    };
    const Case cases[] = {
        {"short read at the size", text, 100, 4096, {100}, true},
        {"size unknown", text, unknown, 4096, {100, 0}, false},
        {"grown since it was opened", text, 60, 4096, {100, 0}, false},
        {"shrunk since it was opened", text, 150, 4096, {100, 0}, false},
        {"full read at the size", text, 100, 100, {100, 0}, false},
        {"in blocks", text, 100, 40, {40, 40, 20}, false},
        {"empty", "", 0, 4096, {0}, true},
    };
    for (const Case& c : cases) {
        const MemoryFile file(c.content);
        BlockReader reader;
        reader.Reset(file.Rewound(), c.size);
        std::vector<char> buffer(c.room);
        std::vector<size_t> reads;
        bool endedAfterFirst = false;
        do {
            reads.push_back(reader.Read(buffer.data(), buffer.size()));
            if (reads.size() == 1)
                endedAfterFirst = reader.Ended();
        } while (reads.back() > 0 && !reader.Ended() && reads.size() < 10);
        EXPECT_EQ(reads, c.reads) << c.name;
        EXPECT_EQ(endedAfterFirst, c.endedAfterFirst) << c.name;
        EXPECT_TRUE(reader.Ended()) << c.name;
    }
}
