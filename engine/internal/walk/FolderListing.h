#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// The entries of one folder that a walk needs, read through its descriptor
// and put in the walk order: names compared byte by byte after folding ASCII
// a-z to A-Z, ties broken by the unfolded bytes. Subfolders are kept, and the
// regular files and symbolic links whose names contain one of the walk's masks;
// FIFOs, sockets and devices are never opened, so they are dropped. The names
// are kept together in one buffer.
class FolderListing {
public:
    enum class Kind : uint8_t { Folder, File, Link };
    // A file entry as a walk hands it out.
    struct Entry {
        std::string name;
        Kind kind;
    };
    enum class OpenResult { Opened, Skipped, Failed };

    // Reads the folder open as `folderFd` from its first entry (the
    // descriptor stays open and owned by the caller; its reading position
    // moves) keeping the entries described above. False when the folder
    // cannot be listed; an error part way keeps the entries read before it.
    // At most 32 masks.
    bool Read(int folderFd, const std::vector<std::string>& masks);
    void Clear();

    size_t Size() const { return m_entries.size(); }
    Kind KindAt(size_t i) const { return m_entries[i].kind; }
    // Bit m: the name of entry `i` contains mask m (0 for a folder).
    uint32_t MasksAt(size_t i) const { return m_entries[i].masks; }
    // The name of entry `i`, followed by a zero byte.
    const char* NameAt(size_t i) const { return m_names.data() + m_entries[i].offset; }
    std::string_view NameViewAt(size_t i) const {
        return std::string_view(NameAt(i), m_entries[i].length);
    }

    // Opens a subfolder without following links; -1 when it cannot be opened.
    static int OpenFolder(int folderFd, const char* name);
    // Opens a file entry for reading. Regular files and links to regular
    // files open, and `size` is the file's size then; anything else is
    // skipped, also when the entry has changed since it was listed; a file or
    // link target that cannot be opened fails, with errno saying why.
    static OpenResult OpenFile(int folderFd, const Entry& entry, int& fd, uint64_t& size);

private:
    struct Listed {
        uint32_t offset;
        uint16_t length;
        Kind kind;
        uint32_t masks;
    };
    // Keeps one listed entry when the walk needs it.
    void Add(int folderFd, const char* name, unsigned char type,
             const std::vector<std::string>& masks);
    void Sort();

    std::string m_names;
    std::vector<Listed> m_entries;
};
