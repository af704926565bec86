#include "engine/internal/read/LineReader.h"

#include "tests/support/MemoryFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
// The pieces read, the same whether the reader is told the file's size or not.
std::vector<std::string> ReadPieces(const std::string& content, size_t blockSize) {
    MemoryFile file(content);
    LineReader reader(file.Rewound(), blockSize);
    std::vector<std::string> pieces[2];
    for (std::vector<std::string>& read : pieces) {
        std::string_view piece;
        while (reader.Next(piece))
            read.emplace_back(piece);
        reader.Reset(file.Rewound(), content.size());
    }
    EXPECT_EQ(pieces[1], pieces[0]) << "told the size, block " << blockSize;
    return pieces[0];
}

// The same pieces computed on the whole file at once: translate the text
// mode, then cut after each LF or 511 bytes.
std::vector<std::string> WholeFilePieces(std::string content) {
    content = content.substr(0, content.find('\x1a'));
    std::string text;
    for (size_t i = 0; i < content.size(); ++i) {
        if (!(content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n'))
            text += content[i];
    }
    std::vector<std::string> pieces;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t length = 0;
        while (length < 511 && pos + length < text.size() && text[pos + length] != '\n')
            ++length;
        const bool hasLf = length < 511 && pos + length < text.size();
        std::string piece = text.substr(pos, length);
        pos += length + (hasLf ? 1 : 0);
        pieces.push_back(piece.substr(0, piece.find('\0')));
    }
    return pieces;
}

const size_t kBlockSizes[] = {1, 2, 7, 511, 512, 513, 4096, 256 * 1024};
} // namespace

TEST(LineReader, GivesTextModePieces) {
    const std::string a510(510, 'a'), a511(511, 'a'), a512(512, 'a'), a1100(1100, 'a');
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"lines", "one\ntwo\n", {"one", "two"}},
        {"last line without LF", "one\ntwo", {"one", "two"}},
        {"CR LF read as LF", "one\r\ntwo\r\n", {"one", "two"}},
        {"lone CR stays", "one\rtwo\n", {"one\rtwo"}},
        {"CR before CR LF stays", "one\r\r\n", {"one\r"}},
        {"CR at the end stays", "one\r", {"one\r"}},
        {"byte 26 ends the file", "one\ntw\x1ao\nthree\n", {"one", "tw"}},
        {"byte 26 first", "\x1a\none\n", {}},
        {"zero byte cuts the text", std::string("ab\0cd\nef\n", 9), {"ab", "ef"}},
        {"zero byte first", std::string("\0abc\n", 5), {""}},
        {"empty lines", "\n\n", {"", ""}},
        {"trailing blanks stay", "a  \t\n", {"a  \t"}},
        {"510 bytes", a510 + "\nx\n", {a510, "x"}},
        {"511 bytes", a511 + "\nx\n", {a511, "", "x"}},
        {"512 bytes", a512 + "\nx\n", {a511, "a", "x"}},
        {"1100 bytes", a1100 + "\n", {a511, a511, std::string(78, 'a')}},
        {"510 bytes CR LF", a510 + "\r\n", {a510}},
        {"511 bytes CR LF", a511 + "\r\n", {a511, ""}},
        {"511 bytes at the end", a511, {a511}},
    };
    for (const Case& c : cases) {
        for (size_t block : kBlockSizes)
            EXPECT_EQ(ReadPieces(c.content, block), c.pieces) << c.name << ", block " << block;
    }
}

TEST(LineReader, AgreesWithTheWholeFileReading) {
    std::mt19937 random(7);
    const char bytes[] = {'a', 'b', '\n', '\r', '\0', '\x1a', 'z'};
    for (int round = 0; round < 300; ++round) {
        std::string content;
        const size_t size = random() % 3000;
        // Mostly letters with a few of the special bytes, and some long lines.
        const unsigned specialOdds = 1 + random() % 400;
        for (size_t i = 0; i < size; ++i) {
            if (random() % specialOdds == 0)
                content += bytes[2 + random() % 4];
            else
                content += bytes[random() % 2];
        }
        if (random() % 8 == 0)
            content += bytes[5];
        const auto expected = WholeFilePieces(content);
        for (size_t block : kBlockSizes)
            ASSERT_EQ(ReadPieces(content, block), expected)
                << "round " << round << " block " << block;
    }
}
