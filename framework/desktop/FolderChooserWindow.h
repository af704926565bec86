#pragma once

#include <string>

// The folder chooser while it runs, as its caller's callbacks see it: the two
// requests the caller may make of the open window.
class FolderChooserWindow {
public:
    // Expands the tree down to the folder at `path` and selects it, which is
    // reported as a selection change. A path that names no folder changes
    // nothing. An empty path selects nothing and shows the home folder.
    virtual void SetSelection(const std::string& path) = 0;
    // Shows `text` in the one-line status line under the tree.
    virtual void SetStatusText(const std::string& text) = 0;

protected:
    ~FolderChooserWindow() = default;
};
