#include "engine/internal/read/LineReader.h"

#include <cstring>

LineReader::LineReader(int fd, size_t blockSize) : m_blockSize(blockSize > 0 ? blockSize : 1) {
    m_file.Reset(fd);
}

void LineReader::Reset(int fd, uint64_t size) {
    m_file.Reset(fd, size);
    m_pos = m_end = 0;
    m_ended = false;
}

// Keeps at least one piece and one byte of look-ahead in the buffer (the byte
// decides whether a CR at the piece's end belongs to a CR LF pair).
void LineReader::Fill() {
    // The buffer is made on first use: a reader that never reads costs nothing.
    if (m_buffer.empty())
        m_buffer.resize(m_blockSize + kPieceBytes + 1);
    while (!m_ended && m_end - m_pos <= kPieceBytes) {
        if (m_pos > 0) {
            std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
            m_end -= m_pos;
            m_pos = 0;
        }
        char* fresh = m_buffer.data() + m_end;
        const size_t got = m_file.Read(fresh, m_buffer.size() - m_end);
        m_end += got;
        m_ended = m_file.Ended();
        if (const void* mark = std::memchr(fresh, 26, got)) {
            m_end = static_cast<size_t>(static_cast<const char*>(mark) - m_buffer.data());
            m_ended = true;
        }
    }
}

LineReader::Piece LineReader::Measure(const char* start, size_t available) {
    const size_t window = available < kPieceBytes ? available : kPieceBytes;
    Piece piece;
    if (const void* lf = std::memchr(start, '\n', window)) {
        const size_t at = static_cast<size_t>(static_cast<const char*>(lf) - start);
        piece.length = at + 1;
        piece.textLength = (at > 0 && start[at - 1] == '\r') ? at - 1 : at;
    } else if (available > kPieceBytes && start[kPieceBytes - 1] == '\r' &&
               start[kPieceBytes] == '\n') {
        // The 511th byte is the CR of a CR LF pair: it is read as the piece's LF.
        piece.length = kPieceBytes + 1;
        piece.textLength = kPieceBytes - 1;
    } else {
        piece.length = piece.textLength = window;
    }
    if (const void* zero = std::memchr(start, 0, piece.textLength))
        piece.textLength = static_cast<size_t>(static_cast<const char*>(zero) - start);
    return piece;
}

bool LineReader::Next(std::string_view& text) {
    Fill();
    if (m_pos == m_end)
        return false;
    const char* start = m_buffer.data() + m_pos;
    const Piece piece = Measure(start, m_end - m_pos);
    m_pos += piece.length;
    text = std::string_view(start, piece.textLength);
    return true;
}
