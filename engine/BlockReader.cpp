#include "BlockReader.h"

#include "SleepNotice.h"

#include <atomic>
#include <cerrno>
#include <sys/uio.h>
#include <unistd.h>

namespace {
// Cleared once the kernel or the file system refuses RWF_NOWAIT.
std::atomic<bool> g_noWaitReads{true};
} // namespace

void BlockReader::Reset(int fd, uint64_t size) {
    m_fd = fd;
    m_size = size;
    m_offset = 0;
    m_ended = false;
}

size_t BlockReader::Read(char* to, size_t room) {
    while (!m_ended && room > 0) {
        const long got = ReadOnce(to, room);
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

long BlockReader::ReadOnce(char* to, size_t room) {
    if (m_diskWaits != nullptr && g_noWaitReads.load(std::memory_order_relaxed)) {
        // What memory holds is read at once; only a read that has to wait
        // for the disk is announced.
        iovec block{to, room};
        const ssize_t got = ::preadv2(m_fd, &block, 1, -1, RWF_NOWAIT);
        if (got >= 0 || (errno != EAGAIN && errno != EOPNOTSUPP))
            return got;
        if (errno == EOPNOTSUPP) {
            g_noWaitReads = false;
        } else {
            m_diskWaits->Sleeping();
            const ssize_t waited = ::read(m_fd, to, room);
            const int error = errno;
            m_diskWaits->Woken();
            errno = error;
            return waited;
        }
    }
    return ::read(m_fd, to, room);
}
