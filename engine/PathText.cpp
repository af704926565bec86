#include "PathText.h"

#include <memory>
#include <unistd.h>
#include <vector>

std::string PathText::AbsoluteNormal(std::string_view path) {
    std::string full;
    if (path.empty() || path[0] != '/') {
        std::unique_ptr<char, void (*)(void*)> cwd(::getcwd(nullptr, 0), ::free);
        if (cwd)
            full = cwd.get();
        full += '/';
    }
    full += path;

    std::vector<std::string_view> parts;
    const std::string_view text(full);
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t slash = text.find('/', pos);
        if (slash == std::string_view::npos)
            slash = text.size();
        const std::string_view part = text.substr(pos, slash - pos);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = slash + 1;
    }
    if (parts.empty())
        return "/";
    std::string normal;
    for (const std::string_view part : parts) {
        normal += '/';
        normal += part;
    }
    return normal;
}

std::string PathText::Join(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    if (joined.empty() || joined.back() != '/')
        joined += '/';
    joined += name;
    return joined;
}
