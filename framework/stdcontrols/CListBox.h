#pragma once

#include "framework/window/CWnd.h"

#include <string>

// A list box of byte strings, kept in the order they were added.
class CListBox : public CWnd {
public:
    // Appends a line; returns its index, or -1 without a window.
    int AddString(const std::string& text);
    void ResetContent();
    int GetCount() const;
    // The exact bytes of line nIndex; empty when there is no such line.
    void GetText(int nIndex, std::string& text) const;
};
