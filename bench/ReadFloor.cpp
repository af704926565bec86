// The floor of any search over a set of files: open each file, read() it in
// large blocks and run memchr over each block, on N threads. File names come
// NUL-separated on standard input. Usage: read-floor THREADS < names
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    const unsigned threads = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 1;
    std::vector<std::string> names;
    for (std::string name; std::getline(std::cin, name, '\0');)
        names.push_back(name);
    std::atomic<size_t> next{0};
    std::atomic<unsigned long> bytes{0}, hits{0};
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < std::max(1u, threads); ++t) {
        pool.emplace_back([&] {
            std::vector<char> buffer(256 * 1024);
            for (size_t i; (i = next++) < names.size();) {
                const int fd = ::open(names[i].c_str(), O_RDONLY | O_CLOEXEC);
                if (fd < 0)
                    continue;
                ssize_t got;
                while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) {
                    bytes += static_cast<unsigned long>(got);
                    hits += std::memchr(buffer.data(), 0x7f, static_cast<size_t>(got)) != nullptr;
                }
                ::close(fd);
            }
        });
    }
    for (std::thread& thread : pool)
        thread.join();
    std::printf("%lu bytes, %lu blocks with the byte\n", bytes.load(), hits.load());
}
