#pragma once

#include "framework/types/WinMessages.h"

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class CCmdTarget;

// A class's command table: (command id, notification code) -> member
// function. Menu items, accelerators and button clicks arrive with the code
// BN_CLICKED (0), so an entry without a code maps both. A map may name the map
// of the base class; its own entries come first.
//
// Each class builds its map once, as a function-local static in its
// GetCommandMap override:
//
//   const CommandMap& CSearchDlg::GetCommandMap() const {
//       static const CommandMap map = CommandMap::Of<CSearchDlg>({
//           {1011, &CSearchDlg::OnFind},
//           {1013, EN_CHANGE, &CSearchDlg::OnSearchChange},
//       });
//       return map;
//   }
//
// Two entries for the same id and code are a programming error: building such
// a map throws std::logic_error naming the id.
class CommandMap {
public:
    template <class T> struct Entry {
        Entry(UINT id, void (T::*handler)()) : id(id), code(BN_CLICKED), handler(handler) {}
        Entry(UINT id, UINT code, void (T::*handler)()) : id(id), code(code), handler(handler) {}
        UINT id;
        UINT code;
        void (T::*handler)();
    };

    // The empty map.
    CommandMap() = default;

    template <class T>
    static CommandMap Of(std::initializer_list<Entry<T>> entries,
                         const CommandMap* base = nullptr) {
        std::vector<Slot> table;
        table.reserve(entries.size());
        for (const Entry<T>& entry : entries) {
            auto handler = entry.handler;
            table.push_back({entry.id, entry.code, [handler](CCmdTarget& target) {
                                 (static_cast<T&>(target).*handler)();
                             }});
        }
        return CommandMap(std::move(table), base);
    }

    // Runs the handler for `id` and `code` on `target`, which must be of the
    // map's class. FALSE when neither this map nor its base has an entry.
    BOOL Dispatch(CCmdTarget& target, UINT id, UINT code) const;

private:
    struct Slot {
        UINT id;
        UINT code;
        std::function<void(CCmdTarget&)> call;
    };
    CommandMap(std::vector<Slot> table, const CommandMap* base);

    std::vector<Slot> m_slots;
    const CommandMap* m_base = nullptr;
};
