#pragma once

#include <string>
#include <string_view>

// Path texts as the search builds them. Paths are bytes; the separator is '/'.
class PathText {
public:
    // The absolute, lexically normal form: relative to the current directory,
    // without empty, "." and ".." components (".." is taken lexically).
    static std::string AbsoluteNormal(std::string_view path);
    // `folder` and `name` with one separator between them ("/" + "a" gives "/a").
    static std::string Join(std::string_view folder, std::string_view name);
};
