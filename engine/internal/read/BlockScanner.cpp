#include "engine/internal/read/BlockScanner.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr char kEndOfFile = 26;

// Finds the first needle with the second at its place.
ByteFinder NeedleFinder(const PatternLiteral& literal) {
    const auto needle = [](const PatternLiteral::Needle& n) {
        return ByteFinder::Needle{n.byte, n.caseBits};
    };
    const ptrdiff_t distance = static_cast<ptrdiff_t>(literal.Second().index) -
                               static_cast<ptrdiff_t>(literal.First().index);
    return ByteFinder(needle(literal.First()), needle(literal.Second()), distance,
                      literal.HasSecond(), kEndOfFile);
}
} // namespace

BlockScanner::BlockScanner(std::string_view pattern, bool ignoreCaps, size_t blockSize)
    : m_matcher(pattern, ignoreCaps), m_literal(pattern, ignoreCaps),
      m_finder(NeedleFinder(m_literal)), m_reader(-1, blockSize), m_blockSize(blockSize),
      // Look-behind and look-ahead around a candidate: its whole piece (511
      // bytes, one more for a CR LF pair) and the literal run itself.
      m_margin(LineReader::kPieceBytes + 1 + m_literal.Text().size()) {}

uint64_t BlockScanner::Scan(int fd, MatchRecord& record, const std::function<bool()>& stop,
                            uint64_t size) {
    return m_literal.Exists() ? ScanCandidates(fd, size, record, stop)
                              : ScanEveryPiece(fd, size, record, stop);
}

uint64_t BlockScanner::ScanEveryPiece(int fd, uint64_t size, MatchRecord& record,
                                      const std::function<bool()>& stop) {
    m_reader.Reset(fd, size);
    uint64_t count = 0;
    std::string_view piece;
    for (unsigned pieces = 0; m_reader.Next(piece); ++pieces) {
        if (m_matcher.MatchLine(piece)) {
            if (!record.AddLine(piece))
                break;
            ++count;
        }
        if (stop && (pieces & 0x3FF) == 0 && stop())
            break;
    }
    return count;
}

void BlockScanner::Refill() {
    const size_t keep = m_scan > m_margin ? std::min(m_scan, m_end) - m_margin : 0;
    if (keep > 0) {
        char* data = m_buffer.data();
        if (m_lineChecked < keep) {
            if (const char* lf = static_cast<const char*>(
                    ::memrchr(data + m_lineChecked, '\n', keep - m_lineChecked)))
                m_lineStart = m_base + static_cast<uint64_t>(lf + 1 - data);
            m_lineChecked = keep;
        }
        std::memmove(data, data + keep, m_end - keep);
        m_end -= keep;
        m_scan -= keep;
        m_clean -= keep;
        m_lineChecked -= keep;
        m_base += keep;
    }
    m_end += m_file.Read(m_buffer.data() + m_end, Capacity() - m_end);
    m_eof = m_file.Ended();
}

void BlockScanner::Clean(size_t upTo) {
    upTo = std::min(upTo, m_end);
    if (upTo <= m_clean)
        return;
    const char* data = m_buffer.data();
    if (const void* mark = std::memchr(data + m_clean, kEndOfFile, upTo - m_clean)) {
        m_end = static_cast<size_t>(static_cast<const char*>(mark) - data);
        m_eof = true;
        upTo = m_end;
    }
    m_clean = upTo;
}

uint64_t BlockScanner::ScanCandidates(int fd, uint64_t size, MatchRecord& record,
                                      const std::function<bool()>& stop) {
    // Room past the data for the finder's look at the second needle.
    const size_t literalSize = m_literal.Text().size();
    m_buffer.resize(Capacity() + literalSize);
    m_file.Reset(fd, size);
    m_base = m_end = m_scan = m_clean = m_lineChecked = 0;
    m_lineStart = 0;
    m_eof = false;
    const size_t needleIndex = m_literal.First().index;
    uint64_t doneUpTo = 0; // pieces starting before this file offset are tested
    uint64_t count = 0;

    for (;;) {
        while (!m_eof && m_end - std::min(m_scan, m_end) <= m_margin)
            Refill();
        if (m_base == 0 && m_scan < needleIndex) {
            // The literal of a candidate found earlier would start before the
            // file. (Later, Refill keeps more than needleIndex bytes before
            // m_scan.)
            Clean(needleIndex);
            m_scan = needleIndex;
        }
        if (stop && stop())
            break;
        const char* data = m_buffer.data();
        while (m_scan < Limit()) {
            const size_t limit = Limit();
            const size_t r = static_cast<size_t>(m_finder.Find(data + m_scan, data + limit) - data);
            // What the finder passed over holds no end mark. (m_clean never
            // lies before m_scan.)
            m_clean = std::max(m_clean, r);
            if (r == limit) {
                m_scan = r;
                break;
            }
            if (data[r] == kEndOfFile) {
                Clean(r + 1);
                m_scan = r;
                break;
            }
            m_clean = std::max(m_clean, r + 1);
            m_scan = r + 1;
            const size_t c = r - needleIndex; // where the literal would start
            if (c + literalSize > m_end || !m_literal.OccursAt(data + c))
                continue;
            const size_t ps = PieceStart(c);
            // The candidate's piece and literal, up to where the file may end.
            Clean(std::max(c + literalSize, ps + LineReader::kPieceBytes + 1));
            if (c + literalSize > m_end)
                continue;
            if (m_base + ps < doneUpTo) {
                m_scan = std::max(m_scan, static_cast<size_t>(doneUpTo - m_base));
                continue;
            }
            const LineReader::Piece piece = LineReader::Measure(data + ps, m_end - ps);
            const std::string_view text(data + ps, piece.textLength);
            if ((m_literal.IsWholePattern() && c + literalSize <= ps + text.size()) ||
                m_matcher.MatchLine(text)) {
                if (!record.AddLine(text))
                    return count;
                ++count;
            }
            doneUpTo = m_base + ps + piece.length;
            m_scan = std::max(m_scan, ps + piece.length);
        }
        if (m_eof && m_scan >= m_end)
            break;
    }
    return count;
}

size_t BlockScanner::PieceStart(size_t at) {
    // Line feeds are looked for backwards from `at` only as far as the last
    // candidate, so a long line is searched once, not once per candidate.
    if (at > m_lineChecked) {
        const char* data = m_buffer.data();
        if (const void* lf = ::memrchr(data + m_lineChecked, '\n', at - m_lineChecked))
            m_lineStart = m_base + static_cast<uint64_t>(static_cast<const char*>(lf) + 1 - data);
        m_lineChecked = at;
    }
    const uint64_t intoLine = m_base + at - m_lineStart;
    return static_cast<size_t>(m_lineStart + intoLine - intoLine % LineReader::kPieceBytes -
                               m_base);
}
