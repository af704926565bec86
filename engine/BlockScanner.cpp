#include "BlockScanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
constexpr char kEndOfFile = 26;

// Finds the first needle with the second at its place, or the end mark.
ByteFinder NeedleFinder(const PatternLiteral& literal) {
    const auto set = [](const PatternLiteral::Needle& needle) {
        ByteFinder::Set s;
        s.bytes[0] = needle.bytes[0];
        s.bytes[1] = needle.bytes[1];
        s.count = needle.count;
        return s;
    };
    const ptrdiff_t distance = static_cast<ptrdiff_t>(literal.Second().index) -
                               static_cast<ptrdiff_t>(literal.First().index);
    return ByteFinder(set(literal.First()), set(literal.Second()), distance,
                      static_cast<unsigned char>(kEndOfFile));
}

const char* FindByte(const char* from, const char* to, char byte) {
    if (from >= to)
        return nullptr;
    const void* at = std::memchr(from, byte, static_cast<size_t>(to - from));
    return at ? static_cast<const char*>(at) : nullptr;
}
} // namespace

BlockScanner::BlockScanner(std::string_view pattern, bool ignoreCaps, bool prefilter,
                           size_t blockSize)
    : m_matcher(pattern, ignoreCaps),
      m_literal(prefilter ? pattern : std::string_view(), ignoreCaps),
      m_finder(NeedleFinder(m_literal)), m_reader(-1, blockSize), m_blockSize(blockSize),
      // Look-behind and look-ahead around a candidate: its whole piece (511
      // bytes, one more for a CR LF pair) and the literal run itself.
      m_margin(LineReader::kPieceBytes + 1 + m_literal.Text().size()) {}

int BlockScanner::Scan(int fd, MatchRecord& record, const std::function<bool()>& stop) {
    return m_literal.Exists() ? ScanCandidates(fd, record, stop) : ScanEveryPiece(fd, record, stop);
}

int BlockScanner::ScanEveryPiece(int fd, MatchRecord& record, const std::function<bool()>& stop) {
    m_reader.Reset(fd);
    int count = 0;
    std::string_view piece;
    for (unsigned pieces = 0; m_reader.Next(piece); ++pieces) {
        if (m_matcher.MatchLine(piece)) {
            record.AddLine(piece);
            ++count;
        }
        if (stop && (pieces & 0x3FF) == 0 && stop())
            break;
    }
    return count;
}

// Drops what lies well behind the search position and reads the next block.
// False when nothing more can be read.
bool BlockScanner::Refill(int fd) {
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
        m_lineChecked -= keep;
        m_base += keep;
    }
    for (;;) {
        const ssize_t got = ::read(fd, m_buffer.data() + m_end, Capacity() - m_end);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        m_end += static_cast<size_t>(got);
        return true;
    }
}

int BlockScanner::ScanCandidates(int fd, MatchRecord& record, const std::function<bool()>& stop) {
    // Room past the data for the finder's look at the second needle.
    m_buffer.resize(Capacity() + m_literal.Text().size());
    m_base = m_end = m_scan = m_lineChecked = 0;
    m_lineStart = 0;
    m_eof = false;
    uint64_t doneUpTo = 0; // pieces starting before this file offset are tested
    const size_t needleIndex = m_literal.First().index;
    int count = 0;

    for (;;) {
        while (!m_eof && m_end - std::min(m_scan, m_end) <= m_margin)
            m_eof = !Refill(fd);
        if (stop && stop())
            break;
        const char* data = m_buffer.data();
        if (m_base == 0 && m_scan < needleIndex) {
            // No candidate starts this early, but the end mark may lie there.
            EndAt(FindByte(data, data + std::min(needleIndex, m_end), kEndOfFile));
            m_scan = needleIndex;
        }
        while (m_scan < Limit()) {
            const char* hit = m_finder.Find(data + m_scan, data + Limit());
            const size_t r = static_cast<size_t>(hit - data);
            if (r == Limit() || EndAt(*hit == kEndOfFile ? hit : nullptr)) {
                m_scan = r;
                break;
            }
            m_scan = r + 1;
            const size_t c = r - needleIndex; // where the literal would start
            if (r < needleIndex || c + m_literal.Text().size() > m_end ||
                !m_literal.OccursAt(data + c))
                continue;
            const size_t ps = PieceStart(c);
            if (m_base + ps < doneUpTo) {
                m_scan = std::max(m_scan, static_cast<size_t>(doneUpTo - m_base));
                continue;
            }
            // Bytes after the needle have not been searched for the end mark yet.
            EndAt(FindByte(hit + 1, data + std::min(ps + LineReader::kPieceBytes + 1, m_end),
                           kEndOfFile));
            const LineReader::Piece piece = LineReader::Measure(data + ps, m_end - ps);
            const std::string_view text(data + ps, piece.textLength);
            if ((m_literal.IsWholePattern() && c + m_literal.Text().size() <= ps + text.size()) ||
                m_matcher.MatchLine(text)) {
                record.AddLine(text);
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

bool BlockScanner::EndAt(const char* mark) {
    if (mark == nullptr)
        return false;
    m_end = static_cast<size_t>(mark - m_buffer.data());
    m_eof = true;
    return true;
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
