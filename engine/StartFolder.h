#pragma once

#include <string>

// The folder a search starts from, as the walk opens it.
class StartFolder {
public:
    // A descriptor of the folder at `path` (as passed, relative to the
    // current directory when not absolute), or -1 when it cannot be opened:
    // it is missing, no folder, or not readable.
    static int Open(const std::string& path);
    // Whether a search could open the folder; a search from a folder that
    // cannot be opened walks nothing. When not, errno says why.
    static bool CanOpen(const std::string& path);
};
