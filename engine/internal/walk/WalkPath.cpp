#include "engine/internal/walk/WalkPath.h"

#include <cstring>

WalkPath::WalkPath(std::string statusPath, std::string recordFolder)
    : m_start(this), m_name(std::move(statusPath)), m_recordFolder(std::move(recordFolder)),
      m_below(0), m_depth(0) {}

WalkPath::WalkPath(std::shared_ptr<const WalkPath> parent, std::string name)
    : m_parent(std::move(parent)), m_start(m_parent->m_start), m_name(std::move(name)),
      m_below(m_parent->m_below + 1 + m_name.size()), m_depth(m_parent->m_depth + 1) {}

WalkPath::~WalkPath() {
    // A parent that no one else holds is taken apart here: its own parent is
    // moved out first, so its destructor finds nothing left to let go of.
    // (Places are shared and let go of on the walk's thread only, so the
    // count is exact.)
    std::shared_ptr<const WalkPath> parent = std::move(m_parent);
    while (parent && parent.use_count() == 1) {
        std::shared_ptr<const WalkPath> next = std::move(parent->m_parent);
        parent = std::move(next);
    }
}

std::string WalkPath::StatusPath() const {
    return Joined(m_start->m_name, {});
}

std::string WalkPath::RecordPath(std::string_view name) const {
    // A normal path ends with "/" only when it is the root.
    const std::string_view folder = m_start->m_recordFolder;
    return Joined(folder == "/" ? std::string_view() : folder, name);
}

std::string WalkPath::Joined(std::string_view head, std::string_view last) const {
    std::string path(head.size() + m_below + (last.empty() ? 0 : 1 + last.size()), '/');
    size_t end = path.size();
    const auto put = [&path, &end](std::string_view name) {
        end -= name.size();
        std::memcpy(path.data() + end, name.data(), name.size());
        --end; // the "/" before the name
    };
    if (!last.empty())
        put(last);
    for (const WalkPath* place = this; place != m_start; place = place->m_parent.get())
        put(place->m_name);
    std::memcpy(path.data(), head.data(), head.size());
    return path;
}
