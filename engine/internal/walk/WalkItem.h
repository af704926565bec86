#pragma once

#include "engine/internal/walk/FolderHandle.h"
#include "engine/internal/walk/FolderListing.h"
#include "engine/internal/walk/WalkPath.h"

#include <cstdint>
#include <memory>
#include <string>

// One step of a folder walk, in walk order: a folder to enter, or a file
// whose name holds the walk's mask. Items are made and copied on the walk's
// thread, which alone lets go of their places; a scanning thread reads the
// item it has claimed and lets go of its folder when the scan is done.
struct WalkItem {
    enum class Kind { Enter, File };
    Kind kind = Kind::Enter;
    uint64_t seq = 0;       // position in the walk order
    uint64_t folderSeq = 0; // seq of the Enter item of the folder (its own for Enter)
    std::shared_ptr<const WalkPath> place; // Enter: the folder; File: the folder holding it
    std::shared_ptr<FolderHandle> folder;  // File: the folder holding it
    FolderListing::Entry entry;            // File: its name and kind

    // Enter: the folder's path built from its parent's path as passed.
    std::string FolderPath() const { return place->StatusPath(); }
    // File: its full path.
    std::string FilePath() const { return place->RecordPath(entry.name); }
};
