#include "framework/window/CommandMap.h"

#include <stdexcept>
#include <string>

CommandMap::CommandMap(std::vector<Slot> table, const CommandMap* base)
    : m_slots(std::move(table)), m_base(base) {
    for (size_t i = 0; i < m_slots.size(); ++i)
        for (size_t j = i + 1; j < m_slots.size(); ++j)
            if (m_slots[i].id == m_slots[j].id && m_slots[i].code == m_slots[j].code)
                throw std::logic_error("command map: two entries for id " +
                                       std::to_string(m_slots[i].id) + ", notification " +
                                       std::to_string(m_slots[i].code));
}

BOOL CommandMap::Dispatch(CCmdTarget& target, UINT id, UINT code) const {
    for (const CommandMap* map = this; map != nullptr; map = map->m_base)
        for (const Slot& slot : map->m_slots)
            if (slot.id == id && slot.code == code) {
                slot.call(target);
                return TRUE;
            }
    return FALSE;
}
