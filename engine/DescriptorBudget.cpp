#include "DescriptorBudget.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>

namespace {
// Limits above this are taken as this: a search never needs more.
constexpr size_t kPlenty = size_t{1} << 20;

// Descriptors open in the process now.
size_t OpenDescriptors(size_t softLimit) {
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        size_t count = 0;
        while (const dirent* d = ::readdir(dir)) {
            if (std::strcmp(d->d_name, ".") != 0 && std::strcmp(d->d_name, "..") != 0)
                ++count;
        }
        ::closedir(dir);
        return count > 0 ? count - 1 : 0; // not the listing's own
    }
    size_t count = 0;
    for (size_t fd = 0; fd < softLimit; ++fd) {
        if (::fcntl(static_cast<int>(fd), F_GETFD) != -1)
            ++count;
    }
    return count;
}
} // namespace

size_t DescriptorBudget::ForSearch(unsigned threads) {
    rlimit limit;
    size_t soft = kPlenty;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        soft = std::min(static_cast<size_t>(limit.rlim_cur), kPlenty);
    const size_t open = OpenDescriptors(soft);
    // Each scanning thread holds one file open.
    const size_t busy = open + threads;
    return soft > busy ? std::max<size_t>((soft - busy) / 2, 1) : 1;
}
