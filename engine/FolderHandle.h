#pragma once

#include <unistd.h>

// An open folder descriptor, closed when the last user lets go of it.
class FolderHandle {
public:
    explicit FolderHandle(int fd) : m_fd(fd) {}
    ~FolderHandle() { ::close(m_fd); }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    int Fd() const { return m_fd; }

private:
    int m_fd;
};
