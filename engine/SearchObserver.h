#pragma once

#include <string>

// What a search tells its owner while it runs. The engine itself never prints
// or shows anything.
class SearchObserver {
public:
    virtual ~SearchObserver() = default;
    // A folder is entered; `path` is built from its parent's path as passed.
    virtual void OnFolderEntered(const std::string& path) = 0;
    // A selected file cannot be opened; `path` is its full path.
    virtual void OnOpenError(const std::string& path) = 0;
};
