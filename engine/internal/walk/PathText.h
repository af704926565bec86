#pragma once

#include <string>
#include <string_view>

// Path texts as the search builds them. Paths are bytes; the separator is '/'.
class PathText {
public:
    // The absolute path of a start folder as records name it: relative to the
    // current directory, lexically normal (without empty, "." and ".."
    // components, ".." taken lexically), unless a ".." in it goes back over a symbolic link (whose
    // target may have another parent); then the folder's physical path.
    static std::string RecordFolder(std::string_view folder);

private:
    // The lexically normal form of an absolute path; `crossesLink` tells
    // whether a ".." took away a component that is a link.
    static std::string Normal(std::string_view absolute, bool& crossesLink);
};
