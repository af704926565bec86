#pragma once

#include "engine/MatchRecord.h"
#include "engine/internal/match/ByteFinder.h"
#include "engine/internal/match/LineMatcher.h"
#include "engine/internal/match/PatternLiteral.h"
#include "engine/internal/read/BlockReader.h"
#include "engine/internal/read/LineReader.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Scans files for matching pieces (the line reader's pieces), fast: when the
// pattern holds a literal run, blocks are searched for the run's rarest byte
// and only the pieces holding a candidate go to the matcher. The answers are
// those of reading every piece. One scanner serves one thread; its buffer is
// reused from file to file, so memory stays flat whatever the file's size.
class BlockScanner {
public:
    BlockScanner(std::string_view pattern, bool ignoreCaps, size_t blockSize = 256 * 1024);

    // See BlockReader.
    void BeforeEachRead(const std::function<void()>* call) {
        m_file.BeforeEachRead(call);
        m_reader.BeforeEachRead(call);
    }

    // Adds the matching pieces of the open file to `record` and returns their
    // count; `size` is the file's size when it was opened, if known. Between
    // blocks it calls `stop` (which may also make it wait there) and ends
    // early once that says so. It ends too once the record is full.
    uint64_t Scan(int fd, MatchRecord& record, const std::function<bool()>& stop = {},
                  uint64_t size = BlockReader::kUnknownSize);

private:
    uint64_t ScanEveryPiece(int fd, uint64_t size, MatchRecord& record,
                            const std::function<bool()>& stop);
    uint64_t ScanCandidates(int fd, uint64_t size, MatchRecord& record,
                            const std::function<bool()>& stop);
    // Drops what lies well behind the search position and reads more.
    void Refill();
    size_t Capacity() const { return m_blockSize + 2 * m_margin; }
    // Candidates are searched up to here: the end, or a margin before it.
    size_t Limit() const { return m_eof ? m_end : m_end - m_margin; }
    // Looks for the end mark (a byte 26) up to `upTo`; the data ends there.
    void Clean(size_t upTo);
    // Where the piece holding buffer index `at` starts.
    size_t PieceStart(size_t at);

    LineMatcher m_matcher;
    PatternLiteral m_literal;
    ByteFinder m_finder;
    LineReader m_reader;
    BlockReader m_file;
    size_t m_blockSize;
    size_t m_margin;
    std::vector<char> m_buffer;

    // State of the file being scanned by ScanCandidates; indices into m_buffer.
    uint64_t m_base = 0;      // file offset of m_buffer[0]
    size_t m_end = 0;         // bytes held
    size_t m_scan = 0;        // next byte to search
    size_t m_clean = 0;       // the bytes before this index hold no end mark
    size_t m_lineChecked = 0; // line feeds before this index are accounted for
    uint64_t m_lineStart = 0; // file offset of the line holding m_lineChecked
    bool m_eof = false;       // nothing more to read: the file ended or an end mark
};
