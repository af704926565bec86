#pragma once

#include "framework/dialog/DialogTemplate.h"
#include "framework/dialog/ResourceTable.h"
#include "framework/types/WinStyles.h"

#include <string>
#include <utility>
#include <vector>

// Registers the template of a test dialog: a modal frame with a caption and a
// close box, `cx` by `cy` dialog units, holding `items`.
inline void AddTestDialog(UINT id, std::string caption, int cx, int cy,
                          std::vector<DialogItem> items) {
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = std::move(caption);
    dialog.cx = cx;
    dialog.cy = cy;
    dialog.style = DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    dialog.items = std::move(items);
    ResourceTable::AddDialog(dialog);
}
