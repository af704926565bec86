#pragma once

#include "FolderHandle.h"
#include "FolderListing.h"

#include <cstdint>
#include <memory>
#include <string>

// One step of a folder walk, in walk order: a folder to enter, or a file
// whose name holds the walk's mask.
struct WalkItem {
    enum class Kind { Enter, File };
    Kind kind = Kind::Enter;
    uint64_t seq = 0;                     // position in the walk order
    uint64_t folderSeq = 0;               // seq of the Enter item of the folder (its own for Enter)
    std::string path;                     // Enter: the folder's path as built; File: its full path
    std::shared_ptr<FolderHandle> folder; // File: the folder holding it
    FolderListing::Entry entry;           // File: its name and kind
};
