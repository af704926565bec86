#pragma once

#include "framework/desktop/FolderChooserWindow.h"

#include <functional>
#include <string>

// What the folder chooser reports while it runs. Both callbacks run on the
// user-interface thread, inside the chooser's modal run, and may make
// requests of the window they are given. Any of them may be left empty.
struct FolderChooserEvents {
    // Once, when the chooser has opened and before any selection change.
    // When it returns without having selected a folder, the chooser selects
    // the home folder (a selection change like any other).
    std::function<void(FolderChooserWindow& window)> initialized;
    // Every change of the selected folder, with its full path in bytes.
    std::function<void(FolderChooserWindow& window, const std::string& path)> selectionChanged;
    // F1 was pressed: the caller shows its help; the chooser stays open.
    std::function<void()> help;
};
