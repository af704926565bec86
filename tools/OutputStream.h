#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

// The command's standard output: bytes gathered in a large buffer and written
// in large pieces when it is full or on Flush. The first failed write is kept
// and nothing is written after it.
class OutputStream {
public:
    explicit OutputStream(int fd, size_t bufferBytes = 64 * 1024);

    void Write(std::string_view bytes) {
        if (bytes.size() <= m_buffer.size() - m_used) {
            std::memcpy(m_buffer.data() + m_used, bytes.data(), bytes.size());
            m_used += bytes.size();
        } else {
            WriteLarge(bytes);
        }
    }
    void Flush();
    bool IsTerminal() const { return m_terminal; }
    // The errno of the first failed write; 0 while none failed.
    int Error() const { return m_error; }

private:
    // Writes bytes that do not fit in the buffer's free room.
    void WriteLarge(std::string_view bytes);
    void WriteOut(const char* data, size_t size);

    int m_fd;
    bool m_terminal;
    std::vector<char> m_buffer;
    size_t m_used = 0;
    int m_error = 0;
};
