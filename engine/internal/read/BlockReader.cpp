#include "engine/internal/read/BlockReader.h"

#include <cerrno>
#include <unistd.h>

void BlockReader::Reset(int fd, uint64_t size) {
    m_fd = fd;
    m_size = size;
    m_offset = 0;
    m_ended = false;
}

size_t BlockReader::Read(char* to, size_t room) {
    while (!m_ended && room > 0) {
        if (m_beforeRead)
            (*m_beforeRead)();
        const ssize_t got = ::read(m_fd, to, room);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            m_ended = true;
            return 0;
        }
        const size_t length = static_cast<size_t>(got);
        m_offset += length;
        // The kernel gave all there was, and that is what the file held when
        // it was opened: another read would only find the end.
        if (length < room && m_offset == m_size)
            m_ended = true;
        return length;
    }
    return 0;
}
