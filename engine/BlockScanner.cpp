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
    const size_t literalLength = m_literal.Text().size();
    const size_t needleIndex = m_literal.First().index;
    int count = 0;

    for (;;) {
        while (!m_eof && m_end - std::min(m_scan, m_end) <= m_margin)
            m_eof = !Refill(fd);
        if (stop && stop())
            break;
        char* data = m_buffer.data();
        if (m_base == 0 && m_scan < needleIndex) {
            // No candidate starts this early, but the end mark may lie there.
            if (const char* mark =
                    FindByte(data, data + std::min(needleIndex, m_end), kEndOfFile)) {
                m_end = static_cast<size_t>(mark - data);
                m_eof = true;
            }
            m_scan = needleIndex;
        }
        size_t limit = m_eof ? m_end : m_end - m_margin;
        while (m_scan < limit) {
            const char* hit = m_finder.Find(data + m_scan, data + limit);
            if (hit == data + limit) {
                m_scan = limit;
                break;
            }
            const size_t r = static_cast<size_t>(hit - data);
            if (*hit == kEndOfFile) {
                m_end = limit = r;
                m_eof = true;
                break;
            }
            m_scan = r + 1;
            if (r < needleIndex || r - needleIndex + literalLength > m_end)
                continue;
            const size_t c = r - needleIndex;
            if (!m_literal.OccursAt(data + c))
                continue;

            // The line and the piece holding the candidate.
            if (c > m_lineChecked) {
                if (const char* lf = static_cast<const char*>(
                        ::memrchr(data + m_lineChecked, '\n', c - m_lineChecked)))
                    m_lineStart = m_base + static_cast<uint64_t>(lf + 1 - data);
                m_lineChecked = c;
            }
            const uint64_t pieceOffset = m_lineStart + (m_base + c - m_lineStart) /
                                                           LineReader::kPieceBytes *
                                                           LineReader::kPieceBytes;
            if (pieceOffset < doneUpTo) {
                m_scan = std::max(m_scan, static_cast<size_t>(doneUpTo - m_base));
                continue;
            }
            const size_t ps = static_cast<size_t>(pieceOffset - m_base);
            const char* lf =
                FindByte(data + ps, data + std::min(ps + LineReader::kPieceBytes, m_end), '\n');
            // Bytes after the needle have not been searched for the end mark yet.
            const char* checkEnd = lf ? lf + 1 : data + std::min(ps + m_margin, m_end);
            const char* mark =
                hit + 1 < checkEnd ? FindByte(hit + 1, checkEnd, kEndOfFile) : nullptr;
            if (mark) {
                m_end = limit = static_cast<size_t>(mark - data);
                m_eof = true;
                if (lf && lf > mark)
                    lf = nullptr;
            }
            size_t textEnd, pieceEnd;
            if (lf) {
                pieceEnd = static_cast<size_t>(lf - data) + 1;
                textEnd = pieceEnd - 1;
                if (textEnd > ps && data[textEnd - 1] == '\r')
                    --textEnd;
            } else if (ps + LineReader::kPieceBytes < m_end &&
                       data[ps + LineReader::kPieceBytes - 1] == '\r' &&
                       data[ps + LineReader::kPieceBytes] == '\n') {
                textEnd = ps + LineReader::kPieceBytes - 1;
                pieceEnd = ps + LineReader::kPieceBytes + 1;
            } else {
                textEnd = pieceEnd = std::min(ps + LineReader::kPieceBytes, m_end);
            }
            if (const char* zero = FindByte(data + ps, data + textEnd, '\0'))
                textEnd = static_cast<size_t>(zero - data);
            const std::string_view text(data + ps, textEnd - ps);
            const bool matched = (m_literal.IsWholePattern() && c + literalLength <= textEnd) ||
                                 m_matcher.MatchLine(text);
            if (matched) {
                record.AddLine(text);
                ++count;
            }
            doneUpTo = m_base + pieceEnd;
            m_scan = std::max(m_scan, pieceEnd);
        }
        if (m_eof && m_scan >= m_end)
            break;
    }
    return count;
}
