#include "framework/dialog/ResourceTable.h"

#include <map>
#include <utility>

namespace {
template <class T> std::map<UINT, T>& Table() {
    static std::map<UINT, T> table;
    return table;
}

template <class T> const T* Find(UINT id) {
    const auto& table = Table<T>();
    const auto it = table.find(id);
    return it == table.end() ? nullptr : &it->second;
}
} // namespace

void ResourceTable::AddDialog(DialogTemplate dialog) {
    const UINT id = dialog.id;
    Table<DialogTemplate>()[id] = std::move(dialog);
}

void ResourceTable::AddMenu(MenuTemplate menu) {
    const UINT id = menu.id;
    Table<MenuTemplate>()[id] = std::move(menu);
}

void ResourceTable::AddAccelerators(AcceleratorTable table) {
    const UINT id = table.id;
    Table<AcceleratorTable>()[id] = std::move(table);
}

void ResourceTable::AddString(UINT id, std::string text) {
    Table<std::string>()[id] = std::move(text);
}

const DialogTemplate* ResourceTable::FindDialog(UINT id) {
    return Find<DialogTemplate>(id);
}

const MenuTemplate* ResourceTable::FindMenu(UINT id) {
    return Find<MenuTemplate>(id);
}

const AcceleratorTable* ResourceTable::FindAccelerators(UINT id) {
    return Find<AcceleratorTable>(id);
}

const std::string* ResourceTable::FindString(UINT id) {
    return Find<std::string>(id);
}

std::vector<UINT> ResourceTable::DialogIds() {
    std::vector<UINT> ids;
    for (const auto& [id, dialog] : Table<DialogTemplate>())
        ids.push_back(id);
    return ids;
}
