#pragma once

#include "engine/internal/walk/DescriptorBudget.h"

#include <unistd.h>

// An open folder descriptor, counted in its search's budget and closed when
// the last user lets go of it. The budget outlives its handles.
class FolderHandle {
public:
    FolderHandle(int fd, DescriptorBudget& budget) : m_fd(fd), m_budget(budget) { m_budget.Take(); }
    ~FolderHandle() {
        ::close(m_fd);
        m_budget.Give();
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    int Fd() const { return m_fd; }

private:
    int m_fd;
    DescriptorBudget& m_budget;
};
