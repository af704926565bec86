#include "engine/internal/walk/PathText.h"

#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
std::string Absolute(std::string_view path) {
    std::string full;
    if (path.empty() || path[0] != '/') {
        std::unique_ptr<char, void (*)(void*)> cwd(::getcwd(nullptr, 0), ::free);
        if (cwd)
            full = cwd.get();
        full += '/';
    }
    full += path;
    return full;
}

std::string Joined(const std::vector<std::string_view>& parts) {
    if (parts.empty())
        return "/";
    std::string path;
    for (const std::string_view part : parts) {
        path += '/';
        path += part;
    }
    return path;
}

bool IsLink(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}
} // namespace

std::string PathText::Normal(std::string_view absolute, bool& crossesLink) {
    std::vector<std::string_view> parts;
    size_t pos = 0;
    while (pos <= absolute.size()) {
        size_t slash = absolute.find('/', pos);
        if (slash == std::string_view::npos)
            slash = absolute.size();
        const std::string_view part = absolute.substr(pos, slash - pos);
        if (part == "..") {
            if (!parts.empty()) {
                if (!crossesLink && IsLink(Joined(parts)))
                    crossesLink = true;
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = slash + 1;
    }
    return Joined(parts);
}

std::string PathText::RecordFolder(std::string_view folder) {
    const std::string full = Absolute(folder);
    bool crossesLink = false;
    std::string normal = Normal(full, crossesLink);
    if (!crossesLink)
        return normal;
    // Where the path cannot be resolved, the folder cannot be opened either.
    std::unique_ptr<char, void (*)(void*)> physical(::realpath(full.c_str(), nullptr), ::free);
    return physical ? std::string(physical.get()) : normal;
}
