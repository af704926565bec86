#include "LineReader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

LineReader::LineReader(int fd, size_t blockSize)
    : m_fd(fd), m_blockSize(blockSize > 0 ? blockSize : 1),
      m_buffer(m_blockSize + kPieceBytes + 1) {}

void LineReader::Reset(int fd) {
    m_fd = fd;
    m_pos = m_end = 0;
    m_eof = false;
}

// Keeps at least one piece and one byte of look-ahead in the buffer (the byte
// decides whether a CR at the piece's end belongs to a CR LF pair).
void LineReader::Fill() {
    while (!m_eof && m_end - m_pos <= kPieceBytes) {
        if (m_pos > 0) {
            std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
            m_end -= m_pos;
            m_pos = 0;
        }
        const ssize_t got = ::read(m_fd, m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            m_eof = true;
            break;
        }
        const char* fresh = m_buffer.data() + m_end;
        m_end += static_cast<size_t>(got);
        if (const void* eofMark = std::memchr(fresh, 26, static_cast<size_t>(got))) {
            m_end = static_cast<size_t>(static_cast<const char*>(eofMark) - m_buffer.data());
            m_eof = true;
        }
    }
}

bool LineReader::Next(std::string_view& text) {
    Fill();
    const size_t avail = m_end - m_pos;
    if (avail == 0)
        return false;
    const char* piece = m_buffer.data() + m_pos;
    const size_t window = avail < kPieceBytes ? avail : kPieceBytes;
    size_t length;
    if (const void* lf = std::memchr(piece, '\n', window)) {
        const size_t at = static_cast<size_t>(static_cast<const char*>(lf) - piece);
        m_pos += at + 1;
        length = (at > 0 && piece[at - 1] == '\r') ? at - 1 : at;
    } else if (avail > kPieceBytes && piece[kPieceBytes - 1] == '\r' &&
               piece[kPieceBytes] == '\n') {
        // The 511th byte is the CR of a CR LF pair: it is read as the piece's LF.
        m_pos += kPieceBytes + 1;
        length = kPieceBytes - 1;
    } else {
        m_pos += window;
        length = window;
    }
    if (const void* zero = std::memchr(piece, 0, length))
        length = static_cast<size_t>(static_cast<const char*>(zero) - piece);
    text = std::string_view(piece, length);
    return true;
}
