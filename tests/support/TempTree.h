#pragma once

#include <string>

// A folder tree in a fresh temporary folder, removed with everything in it
// when the object goes away.
class TempTree {
public:
    enum class Place {
        Default, // $TMPDIR, else /tmp
        Memory,  // /dev/shm where it exists: very deep trees are made and removed fast
    };
    explicit TempTree(Place place = Place::Default);
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
    // A chain of `depth` nested folders named `name` under `relative`, the
    // innermost one (whose path may be longer than PATH_MAX) holding `file`.
    void Chain(const std::string& relative, const std::string& name, int depth,
               const std::string& file, const std::string& content);

private:
    void Parents(const std::string& relative);
    std::string m_root;
};
