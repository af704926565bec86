#include "FolderListing.h"

#include "NameOrder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool KindOf(int folderFd, const char* name, unsigned char type, FolderListing::Kind& kind) {
    if (type == DT_UNKNOWN) {
        struct stat st;
        if (::fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            // In a folder without search permission nothing can be looked
            // at: the entry is kept as a file, which then cannot be opened.
            if (errno != EACCES)
                return false;
            st.st_mode = S_IFREG;
        }
        type = S_ISDIR(st.st_mode)   ? DT_DIR
               : S_ISREG(st.st_mode) ? DT_REG
               : S_ISLNK(st.st_mode) ? DT_LNK
                                     : DT_FIFO;
    }
    switch (type) {
    case DT_DIR:
        kind = FolderListing::Kind::Folder;
        return true;
    case DT_REG:
        kind = FolderListing::Kind::File;
        return true;
    case DT_LNK:
        kind = FolderListing::Kind::Link;
        return true;
    default:
        return false;
    }
}
} // namespace

bool FolderListing::Read(int folderFd) {
    m_entries.clear();
    // The stream gets a duplicate of the descriptor, which closedir closes.
    // (Opening "." inside the folder instead would need search permission.)
    const int own = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (own < 0)
        return false;
    DIR* dir = ::fdopendir(own);
    if (dir == nullptr) {
        ::close(own);
        return false;
    }
    // The duplicate shares the reading position: start from the first entry.
    ::rewinddir(dir);
    while (const dirent* d = ::readdir(dir)) {
        if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0)
            continue;
        Kind kind;
        if (KindOf(folderFd, d->d_name, d->d_type, kind))
            m_entries.push_back(Entry{d->d_name, kind});
    }
    ::closedir(dir);
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry& a, const Entry& b) { return NameOrder::Before(a.name, b.name); });
    return true;
}

int FolderListing::OpenFolder(int folderFd, const std::string& name) {
    return ::openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

FolderListing::OpenResult FolderListing::OpenFile(int folderFd, const Entry& entry, int& fd) {
    if (entry.kind == Kind::Link) {
        // Look at the target first: a FIFO or device is never opened at all.
        struct stat st;
        if (::fstatat(folderFd, entry.name.c_str(), &st, 0) != 0)
            return OpenResult::Failed;
        if (!S_ISREG(st.st_mode))
            return OpenResult::Skipped;
    }
    // The entry may have been replaced since it was listed: the open does not
    // block (a FIFO), and the opened file is read only when it is regular (not
    // a device such as /dev/zero, which never ends).
    fd = ::openat(folderFd, entry.name.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return OpenResult::Failed;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        fd = -1;
        return OpenResult::Skipped;
    }
    return OpenResult::Opened;
}
