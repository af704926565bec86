// The floor of any search of a tree: the work every search must do and
// nothing more. Each folder is listed once (its entry types from the listing),
// each file whose name holds ".txt" or ".TXT" is opened, fstat()ed and read()
// in 256 KB blocks with a memchr over each block, on N threads that share the
// folders still to list. A read that stops short at the size fstat() gave is
// the file's last. No order, no paths, no matching.
// Usage: read-floor THREADS FOLDER
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
class FolderQueue {
public:
    void Push(int fd) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_fds.push_back(fd);
            ++m_pending;
        }
        m_ready.notify_one();
    }
    // The next folder to list, or -1 when every folder is listed.
    int Pop() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_fds.empty() || m_pending == 0; });
        if (m_fds.empty())
            return -1;
        const int fd = m_fds.back();
        m_fds.pop_back();
        return fd;
    }
    // A popped folder is listed, its subfolders pushed.
    void Listed() {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (--m_pending == 0)
            m_ready.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<int> m_fds;
    size_t m_pending = 0; // pushed and not yet listed
};

std::atomic<unsigned long> g_bytes{0}, g_hits{0}, g_failed{0};

void ReadFile(int folder, const char* name, std::vector<char>& buffer) {
    const int fd = ::openat(folder, name, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ++g_failed;
        return;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        unsigned long total = 0;
        for (;;) {
            const ssize_t got = ::read(fd, buffer.data(), buffer.size());
            if (got <= 0)
                break;
            total += static_cast<unsigned long>(got);
            g_hits += std::memchr(buffer.data(), 0x7f, static_cast<size_t>(got)) != nullptr;
            if (static_cast<size_t>(got) < buffer.size() &&
                total == static_cast<unsigned long>(st.st_size))
                break;
        }
        g_bytes += total;
    }
    ::close(fd);
}

void List(FolderQueue& queue, int folder, std::vector<char>& buffer) {
    DIR* dir = ::fdopendir(folder);
    if (dir == nullptr) {
        ::close(folder);
        return;
    }
    while (const dirent* d = ::readdir(dir)) {
        const char* name = d->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        unsigned char type = d->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st;
            if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            const int sub = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (sub >= 0)
                queue.Push(sub);
            else
                ++g_failed;
        } else if (type == DT_REG && (std::strstr(name, ".txt") || std::strstr(name, ".TXT"))) {
            ReadFile(folder, name, buffer);
        }
    }
    ::closedir(dir);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: read-floor THREADS FOLDER\n");
        return 2;
    }
    const unsigned threads = std::max(1, std::atoi(argv[1]));
    // Folders wait in the queue open: allow as many as the hard limit does.
    rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
    const int start = ::open(argv[2], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (start < 0) {
        std::perror(argv[2]);
        return 2;
    }
    FolderQueue queue;
    queue.Push(start);
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) {
        pool.emplace_back([&queue] {
            std::vector<char> buffer(256 * 1024);
            for (int folder; (folder = queue.Pop()) >= 0; queue.Listed())
                List(queue, folder, buffer);
        });
    }
    for (std::thread& thread : pool)
        thread.join();
    std::printf("%lu bytes, %lu blocks with the byte, %lu entries not opened\n", g_bytes.load(),
                g_hits.load(), g_failed.load());
    return g_failed == 0 ? 0 : 1;
}
