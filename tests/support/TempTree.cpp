#include "tests/support/TempTree.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
void Check(bool ok, const std::string& what) {
    if (!ok)
        throw std::runtime_error(what + ": " + std::strerror(errno));
}

// Empties the folder open as `fd`; subfolders are first lifted up to `rootFd`
// under fresh names, so no more than two folders are open at once whatever
// the depth of the tree.
bool Flatten(int rootFd, int fd, unsigned& serial) {
    DIR* dir = ::fdopendir(::dup(fd));
    if (dir == nullptr)
        return false;
    // The duplicate shares the reading position of `fd`: start from the top.
    ::rewinddir(dir);
    std::vector<std::string> names;
    while (const dirent* d = ::readdir(dir))
        if (std::strcmp(d->d_name, ".") != 0 && std::strcmp(d->d_name, "..") != 0)
            names.emplace_back(d->d_name);
    ::closedir(dir);
    bool lifted = false;
    for (const std::string& name : names) {
        if (::unlinkat(fd, name.c_str(), 0) == 0)
            continue;
        const std::string fresh = ".lift" + std::to_string(++serial);
        if (fd != rootFd && ::renameat(fd, name.c_str(), rootFd, fresh.c_str()) == 0) {
            lifted = true;
            continue;
        }
        const int sub = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (sub >= 0) {
            lifted |= Flatten(rootFd, sub, serial);
            ::close(sub);
            ::unlinkat(fd, name.c_str(), AT_REMOVEDIR);
        }
    }
    return lifted;
}
} // namespace

TempTree::TempTree(Place place) {
    const char* base = std::getenv("TMPDIR");
    std::string folder = base && *base ? base : "/tmp";
    if (place == Place::Memory && ::access("/dev/shm", W_OK | X_OK) == 0)
        folder = "/dev/shm";
    std::string pattern = folder + "/vodizuzi-test-XXXXXX";
    Check(::mkdtemp(pattern.data()) != nullptr, "mkdtemp");
    m_root = pattern;
}

TempTree::~TempTree() {
    const int rootFd = ::open(m_root.c_str(), O_RDONLY | O_DIRECTORY);
    if (rootFd >= 0) {
        ::fchmodat(rootFd, ".", 0700, 0);
        unsigned serial = 0;
        while (Flatten(rootFd, rootFd, serial)) {
        }
        ::close(rootFd);
    }
    ::rmdir(m_root.c_str());
}

void TempTree::Parents(const std::string& relative) {
    for (size_t slash = relative.find('/'); slash != std::string::npos;
         slash = relative.find('/', slash + 1)) {
        const std::string folder = Path(relative.substr(0, slash));
        Check(::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST, "mkdir " + folder);
    }
}

void TempTree::File(const std::string& relative, const std::string& content) {
    Parents(relative);
    const std::string path = Path(relative);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    Check(f != nullptr, "create " + path);
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

void TempTree::Folder(const std::string& relative) {
    Parents(relative + "/");
}

void TempTree::Link(const std::string& relative, const std::string& target) {
    Parents(relative);
    Check(::symlink(target.c_str(), Path(relative).c_str()) == 0, "symlink " + relative);
}

void TempTree::Fifo(const std::string& relative) {
    Parents(relative);
    Check(::mkfifo(Path(relative).c_str(), 0644) == 0, "mkfifo " + relative);
}

void TempTree::Mode(const std::string& relative, unsigned mode) {
    const std::string path = relative.empty() ? m_root : Path(relative);
    Check(::chmod(path.c_str(), static_cast<mode_t>(mode)) == 0, "chmod " + path);
}

void TempTree::Chain(const std::string& relative, const std::string& name, int depth,
                     const std::string& file, const std::string& content) {
    Folder(relative);
    int fd = ::open(Path(relative).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    Check(fd >= 0, "open " + relative);
    for (int level = 0; level < depth && fd >= 0; ++level) {
        const int next = ::mkdirat(fd, name.c_str(), 0755) == 0
                             ? ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                             : -1;
        ::close(fd);
        fd = next;
    }
    Check(fd >= 0, "chain under " + relative);
    const int out = ::openat(fd, file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ::close(fd);
    Check(out >= 0, "create at the end of the chain under " + relative);
    const bool written = ::write(out, content.data(), content.size()) == ssize_t(content.size());
    ::close(out);
    Check(written, "write at the end of the chain under " + relative);
}
