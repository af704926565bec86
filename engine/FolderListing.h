#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The entries of one folder, read through its descriptor and put in the walk
// order: names compared byte by byte after folding ASCII a-z to A-Z, ties
// broken by the unfolded bytes. Only folders, regular files and symbolic links
// are kept; FIFOs, sockets and devices are never opened, so they are dropped.
class FolderListing {
public:
    enum class Kind : uint8_t { Folder, File, Link };
    struct Entry {
        std::string name;
        Kind kind;
    };
    enum class OpenResult { Opened, Skipped, Failed };

    // Reads the folder open as `folderFd` (the descriptor stays open and
    // owned by the caller). False when the folder cannot be listed.
    bool Read(int folderFd);
    const std::vector<Entry>& Entries() const { return m_entries; }

    // Opens a subfolder without following links; -1 when it cannot be opened.
    static int OpenFolder(int folderFd, const std::string& name);
    // Opens a file entry for reading. Regular files and links to regular
    // files open; anything else is skipped, also when the entry has changed
    // since it was listed; a file or link target that cannot be opened fails.
    static OpenResult OpenFile(int folderFd, const Entry& entry, int& fd);

private:
    std::vector<Entry> m_entries;
};
