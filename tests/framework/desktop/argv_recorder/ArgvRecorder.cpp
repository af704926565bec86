// A stand-in for an outside program: records how it was started in the file
// named by ARGV_RECORD, as fields each ended by a zero byte: its process id,
// the number of descriptors it inherited beyond the standard three, and its
// arguments. Written to a side file and renamed, so the record appears whole.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <unistd.h>

namespace {
int InheritedDescriptors() {
    DIR* dir = ::opendir("/proc/self/fd");
    if (dir == nullptr)
        return -1;
    int count = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const int fd = std::atoi(entry->d_name);
        if (entry->d_name[0] != '.' && fd > STDERR_FILENO && fd != ::dirfd(dir))
            ++count;
    }
    ::closedir(dir);
    return count;
}
} // namespace

int main(int argc, char** argv) {
    const char* record = std::getenv("ARGV_RECORD");
    if (record == nullptr)
        return 1;
    const int inherited = InheritedDescriptors();
    const std::string part = std::string(record) + ".part";
    std::FILE* file = std::fopen(part.c_str(), "wb");
    if (file == nullptr)
        return 1;
    std::fprintf(file, "%d%c%d%c", static_cast<int>(::getpid()), 0, inherited, 0);
    for (int i = 0; i < argc; ++i)
        std::fwrite(argv[i], 1, std::strlen(argv[i]) + 1, file);
    std::fclose(file);
    return std::rename(part.c_str(), record) == 0 ? 0 : 1;
}
