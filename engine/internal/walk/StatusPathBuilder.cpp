#include "engine/internal/walk/StatusPathBuilder.h"

#include <algorithm>

const std::string& StatusPathBuilder::Enter(const std::shared_ptr<const WalkPath>& place) {
    const size_t depth = place->Depth();
    if (depth > 0 && depth <= m_places.size() && m_places[depth - 1] == place->Parent()) {
        m_places.resize(depth);
        m_lengths.resize(depth);
        m_path.resize(m_lengths.back());
    } else {
        // A walk starts again from the start folder (or the folder is not
        // below the path kept, which a walk never does): built from scratch.
        m_places.clear();
        m_lengths.clear();
        for (std::shared_ptr<const WalkPath> p = place->Parent(); p; p = p->Parent())
            m_places.push_back(p);
        std::reverse(m_places.begin(), m_places.end());
        m_path.clear();
        for (const std::shared_ptr<const WalkPath>& p : m_places) {
            if (!m_lengths.empty())
                m_path += '/';
            m_path += p->Name();
            m_lengths.push_back(m_path.size());
        }
    }
    if (!m_places.empty())
        m_path += '/';
    m_path += place->Name();
    m_places.push_back(place);
    m_lengths.push_back(m_path.size());
    return m_path;
}
