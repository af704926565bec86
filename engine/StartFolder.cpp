#include "engine/StartFolder.h"

#include <fcntl.h>
#include <unistd.h>

int StartFolder::Open(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

bool StartFolder::CanOpen(const std::string& path) {
    const int fd = Open(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}
