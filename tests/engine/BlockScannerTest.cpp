#include "engine/internal/read/BlockScanner.h"
#include "engine/internal/run/FolderSearch.h"

#include "tests/support/MemoryFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> Lines(const MatchRecord& record) {
    std::vector<std::string> lines;
    for (int i = 0; i < record.GetLineCount(); ++i)
        lines.push_back(record.GetLine(i));
    return lines;
}

// The pieces the plain reader and matcher accept.
std::vector<std::string> Plain(const std::string& pattern, bool caps, const MemoryFile& file) {
    LineMatcher matcher(pattern, caps);
    MatchRecord record;
    FolderSearch::ScanFile(matcher, file.Rewound(), record);
    return Lines(record);
}

// The fast scan, told the file's size or not.
std::vector<std::string> Fast(const std::string& pattern, bool caps, const MemoryFile& file,
                              size_t block, uint64_t size = BlockReader::kUnknownSize) {
    BlockScanner scanner(pattern, caps, block);
    MatchRecord record;
    const uint64_t count = scanner.Scan(file.Rewound(), record, {}, size);
    EXPECT_EQ(count, uint64_t(record.GetLineCount()));
    return Lines(record);
}

const size_t kBlocks[] = {1, 7, 64, 600, 4096, 256 * 1024};

std::string RandomContent(std::mt19937& random) {
    static const char* const pieces[] = {"colour", "Color", "needle", "NEEDLE", "n",  "e",
                                         "abc",    " ",     "\n",     "\r\n",   "\r", "x"};
    std::string text;
    const int parts = static_cast<int>(random() % 400);
    for (int i = 0; i < parts; ++i) {
        const unsigned roll = random() % 100;
        if (roll < 2)
            text.append(490 + random() % 40, 'q'); // near the 511-byte piece limit
        else if (roll < 4)
            text.append("\n").append(500 + random() % 8, 'q').append("colour\r\n");
        else if (roll == 4)
            text += '\0';
        else if (roll == 5 && random() % 4 == 0)
            text += '\x1a';
        else
            text += pieces[random() % (sizeof pieces / sizeof *pieces)];
    }
    return text;
}
} // namespace

TEST(BlockScanner, FindsThePiecesThePlainReaderFinds) {
    const std::string a509(509, 'a');
    const struct {
        const char* name;
        std::string content;
    } files[] = {
        {"lines", "one needle\nno\nneedle two\n"},
        {"CR LF", "needle\r\nx\r\nneedle\r"},
        {"piece limit", std::string(505, '.') + "needle" + std::string(20, '.') + "\n"},
        {"run across the limit", std::string(508, '.') + "needle\n"},
        {"CR LF after the limit", a509 + "ne\r\nneedle\n"},
        {"CR LF at the limit", std::string(504, 'a') + "needle\r\nneedle\n"},
        {"zero before", std::string("a\0needle\nneedle\n", 16)},
        {"end mark", "needle\nneed\x1aneedle\n"},
        {"end mark first", "\x1aneedle\n"},
        {"end mark before the needle", "ne\x1aneedle\n"},
        {"end mark in the line", "xx needle yy\x1a needle\n"},
        {"end mark right after the needle", "xx ed\x1a ed\n"},
        {"no final LF", "needle"},
        {"empty", ""},
    };
    for (const auto& f : files) {
        const MemoryFile file(f.content);
        for (const char* pattern :
             {"needle", "NEEDLE", "^needle", "needle$", "ne?dle", "e*dle", "d\x1ane", "ed"})
            for (bool caps : {false, true})
                for (size_t block : kBlocks)
                    for (uint64_t size : {BlockReader::kUnknownSize, uint64_t{f.content.size()}})
                        EXPECT_EQ(Fast(pattern, caps, file, block, size),
                                  Plain(pattern, caps, file))
                            << f.name << " / " << pattern << " / caps " << caps << " / block "
                            << block << " / size " << size;
    }
}

TEST(BlockScanner, AgreesWithThePlainReaderOnRandomFiles) {
    const char* seed = std::getenv("VODIZUZI_SEED");
    std::mt19937 random(seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 5u);
    const char* const patterns[] = {"colou*r", "needle", "n",  "e",   "^abc", "abc$", "C?l",
                                    "x*",      "q",      "qn", "?*e", "$",    "^$",   "needle$"};
    for (int round = 0; round < 150; ++round) {
        const std::string content = RandomContent(random);
        const MemoryFile file(content);
        const std::string pattern = patterns[random() % (sizeof patterns / sizeof *patterns)];
        const bool caps = random() % 2;
        const auto expected = Plain(pattern, caps, file);
        for (size_t block : kBlocks)
            ASSERT_EQ(Fast(pattern, caps, file, block,
                           round % 2 ? content.size() : BlockReader::kUnknownSize),
                      expected)
                << "round " << round << " pattern " << pattern << " block " << block;
    }
}

TEST(BlockScanner, StopsWhenAsked) {
    const MemoryFile file(std::string(2'000'000, 'z') + "\nneedle\n");
    BlockScanner scanner("needle", false, 4096);
    MatchRecord record;
    int blocks = 0;
    EXPECT_EQ(scanner.Scan(file.Rewound(), record, [&] { return ++blocks > 3; }), 0u);
    EXPECT_LT(blocks, 10);
}
