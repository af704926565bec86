#pragma once

#include "framework/dialog/MenuItem.h"
#include "framework/types/WinDefs.h"

#include <vector>

// A menu resource: the entries of a menu bar, left to right.
struct MenuTemplate {
    UINT id = 0;
    std::vector<MenuItem> items;
};
