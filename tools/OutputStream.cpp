#include "tools/OutputStream.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

OutputStream::OutputStream(int fd, size_t bufferBytes)
    : m_fd(fd), m_terminal(::isatty(fd) == 1), m_buffer(bufferBytes > 0 ? bufferBytes : 1) {}

void OutputStream::WriteLarge(std::string_view bytes) {
    Flush();
    if (bytes.size() >= m_buffer.size()) {
        WriteOut(bytes.data(), bytes.size());
        return;
    }
    std::memcpy(m_buffer.data(), bytes.data(), bytes.size());
    m_used = bytes.size();
}

void OutputStream::Flush() {
    WriteOut(m_buffer.data(), m_used);
    m_used = 0;
}

void OutputStream::WriteOut(const char* data, size_t size) {
    while (size > 0 && m_error == 0) {
        const ssize_t wrote = ::write(m_fd, data, size);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            m_error = wrote < 0 ? errno : EIO;
            return;
        }
        data += wrote;
        size -= static_cast<size_t>(wrote);
    }
}
