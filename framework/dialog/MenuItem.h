#pragma once

#include "framework/types/WinDefs.h"

#include <string>
#include <utility>
#include <vector>

// One entry of a menu: a command, a separator or a popup with entries of its
// own. A top-level command (no children) sits in the menu bar itself and is
// chosen like a menu title ("E&xit!").
struct MenuItem {
    std::string text; // bytes; "&" marks the mnemonic, "&&" is a literal "&"
    UINT id = 0;      // the command it sends; 0 for popups and separators
    bool separator = false;
    std::vector<MenuItem> children; // not empty: a popup

    static MenuItem Command(std::string text, UINT id) {
        return MenuItem{std::move(text), id, false, {}};
    }
    static MenuItem Separator() { return MenuItem{{}, 0, true, {}}; }
    static MenuItem Popup(std::string text, std::vector<MenuItem> children) {
        return MenuItem{std::move(text), 0, false, std::move(children)};
    }
};
