#include "engine/internal/walk/FolderListing.h"

#include "common/NameOrder.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
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

// NameOrder compares byte by byte (folded, then by length, then unfolded), so
// a prefix two names share byte for byte decides nothing: it is skipped eight
// bytes at a time before the names are compared. Names in one folder often
// share long prefixes.
bool Before(std::string_view a, std::string_view b) {
    size_t same = 0;
    const size_t common = std::min(a.size(), b.size());
    for (uint64_t x, y; same + 8 <= common; same += 8) {
        std::memcpy(&x, a.data() + same, 8);
        std::memcpy(&y, b.data() + same, 8);
        if (x != y)
            break;
    }
    return NameOrder::Before(a.substr(same), b.substr(same));
}

uint32_t MasksIn(std::string_view name, const std::vector<std::string>& masks) {
    uint32_t bits = 0;
    for (size_t m = 0; m < masks.size(); ++m) {
        if (name.find(masks[m]) != std::string_view::npos)
            bits |= 1u << m;
    }
    return bits;
}
} // namespace

bool FolderListing::Read(int folderFd, const std::vector<std::string>& masks) {
    Clear();
    // The entries are read straight through the descriptor, from its first
    // entry on: no stream, so no duplicate descriptor to open and close.
    // (Opening "." inside the folder instead would need search permission.)
    ::lseek(folderFd, 0, SEEK_SET);
    alignas(dirent64) char buffer[32 * 1024];
    for (bool first = true;; first = false) {
        const ssize_t got = ::getdents64(folderFd, buffer, sizeof buffer);
        if (got < 0 && first)
            return false;
        if (got <= 0)
            break; // the end, or an error part way: the entries read so far
        for (size_t at = 0; at < static_cast<size_t>(got);) {
            unsigned short length;
            std::memcpy(&length, buffer + at + offsetof(dirent64, d_reclen), sizeof length);
            if (length == 0)
                break;
            Add(folderFd, buffer + at + offsetof(dirent64, d_name),
                static_cast<unsigned char>(buffer[at + offsetof(dirent64, d_type)]), masks);
            at += length;
        }
    }
    Sort();
    return true;
}

void FolderListing::Add(int folderFd, const char* name, unsigned char type,
                        const std::vector<std::string>& masks) {
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
        return;
    Kind kind;
    if (!KindOf(folderFd, name, type, kind))
        return;
    const std::string_view view(name);
    const uint32_t bits = kind == Kind::Folder ? 0 : MasksIn(view, masks);
    if (kind != Kind::Folder && bits == 0)
        return;
    m_entries.push_back(
        {static_cast<uint32_t>(m_names.size()), static_cast<uint16_t>(view.size()), kind, bits});
    m_names.append(view).push_back('\0');
}

void FolderListing::Clear() {
    m_names.clear();
    m_entries.clear();
}

void FolderListing::Sort() {
    std::sort(m_entries.begin(), m_entries.end(), [this](const Listed& a, const Listed& b) {
        return Before(std::string_view(m_names.data() + a.offset, a.length),
                      std::string_view(m_names.data() + b.offset, b.length));
    });
}

int FolderListing::OpenFolder(int folderFd, const char* name) {
    return ::openat(folderFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

FolderListing::OpenResult FolderListing::OpenFile(int folderFd, const Entry& entry, int& fd,
                                                  uint64_t& size) {
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
    size = static_cast<uint64_t>(st.st_size);
    return OpenResult::Opened;
}
