#pragma once

#include <gtest/gtest.h>

#include <string>
#include <sys/mman.h>
#include <unistd.h>

// A file in memory holding `content`; each Rewound() reads it from the start.
class MemoryFile {
public:
    explicit MemoryFile(const std::string& content) : m_fd(::memfd_create("test", 0)) {
        EXPECT_EQ(::write(m_fd, content.data(), content.size()),
                  static_cast<ssize_t>(content.size()));
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    int Rewound() const {
        ::lseek(m_fd, 0, SEEK_SET);
        return m_fd;
    }

private:
    int m_fd;
};
