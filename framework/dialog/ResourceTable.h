#pragma once

#include "framework/dialog/AcceleratorTable.h"
#include "framework/dialog/DialogTemplate.h"
#include "framework/dialog/MenuTemplate.h"
#include "framework/types/WinDefs.h"

#include <string>
#include <vector>

// The program's resources by id: dialog templates, menus, accelerator
// tables and strings. The
// resource module registers them once at start-up, before the first dialog
// is built; tests register tables of their own. Registering an id again
// replaces the earlier entry. Everything runs on the user-interface thread.
class ResourceTable {
public:
    static void AddDialog(DialogTemplate dialog);
    static void AddMenu(MenuTemplate menu);
    static void AddAccelerators(AcceleratorTable table);
    static void AddString(UINT id, std::string text);

    // Null when the id is not registered.
    static const DialogTemplate* FindDialog(UINT id);
    static const MenuTemplate* FindMenu(UINT id);
    static const AcceleratorTable* FindAccelerators(UINT id);
    static const std::string* FindString(UINT id);
    // The ids of the dialog templates registered, in increasing order.
    static std::vector<UINT> DialogIds();
};
