#pragma once

#include <string>

// A folder tree in a fresh temporary folder, removed with everything in it
// when the object goes away.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& Root() const { return m_root; }
    std::string Path(const std::string& relative) const { return m_root + "/" + relative; }

    // Each creates its missing parent folders.
    void File(const std::string& relative, const std::string& content);
    void Folder(const std::string& relative);
    void Link(const std::string& relative, const std::string& target);
    void Fifo(const std::string& relative);
    // Sets the permission bits of an entry ("" for the root).
    void Mode(const std::string& relative, unsigned mode);

private:
    void Parents(const std::string& relative);
    std::string m_root;
};
