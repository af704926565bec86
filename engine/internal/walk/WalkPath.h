#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// A folder's place in a walk: its name and its parent's place. Everything
// below a folder shares its place, so a path costs one name per level however
// deep the tree and however many queued items refer to it; the path texts are
// built only when they are needed.
class WalkPath {
public:
    // The start folder, with its path as passed and the path records name it by.
    WalkPath(std::string statusPath, std::string recordFolder);
    // A subfolder `name` of `parent`.
    WalkPath(std::shared_ptr<const WalkPath> parent, std::string name);
    // Lets go of a long chain of parents one by one, not by recursion.
    ~WalkPath();
    WalkPath(const WalkPath&) = delete;
    WalkPath& operator=(const WalkPath&) = delete;

    // The folder's path built from the start folder's path as passed, one "/"
    // before each name (so "/" gives "//usr"). It costs a name per level:
    // StatusPathBuilder follows a walk for the cost of what changed.
    std::string StatusPath() const;
    // The start folder's path as passed, or this folder's name.
    const std::string& Name() const { return m_name; }
    // The place of the parent folder; null for the start folder.
    const std::shared_ptr<const WalkPath>& Parent() const { return m_parent; }
    // Levels below the start folder (0 for the start folder).
    size_t Depth() const { return m_depth; }
    // The full path of the file `name` in this folder, from the start folder's
    // record path, one "/" between the parts ("/" gives "/usr").
    std::string RecordPath(std::string_view name) const;

private:
    // `head`, then each name below the start folder down to this folder's,
    // then `last` unless it is empty, each name after a "/".
    std::string Joined(std::string_view head, std::string_view last) const;

    // Mutable so that the destructor can take a chain apart.
    mutable std::shared_ptr<const WalkPath> m_parent;
    const WalkPath* m_start;    // the start folder's place (this one for the start)
    std::string m_name;         // the start folder: its path as passed
    std::string m_recordFolder; // the start folder only
    size_t m_below;             // length of the names below the start folder, with their "/"
    size_t m_depth;
};
