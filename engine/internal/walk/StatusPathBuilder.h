#pragma once

#include "engine/internal/walk/WalkPath.h"

#include <memory>
#include <string>
#include <vector>

// The status path of each folder a search enters, in walk order, kept as the
// walk goes down and up: entering a folder costs its name and the names of
// the folders left since the last one, never the whole depth. Used on the
// walk's thread, which alone lets go of places.
class StatusPathBuilder {
public:
    // The path of `place`, the next folder entered; valid until the next call.
    const std::string& Enter(const std::shared_ptr<const WalkPath>& place);

private:
    // The places from the start folder down to the folder entered last, and
    // the length of each one's path.
    std::vector<std::shared_ptr<const WalkPath>> m_places;
    std::vector<size_t> m_lengths;
    std::string m_path;
};
