#pragma once

#include "framework/types/WinDefs.h"

#include <string>

// A modal message box with an OK button, the text (bytes) and the
// application's name as its caption, with the icon the type names (a box
// without one gets the exclamation mark, as MFC gives it). Returns IDOK.
// Under a MessageBoxHook nothing is shown and the hook's result is returned.
int AfxMessageBox(const std::string& text, UINT nType = MB_OK);
// The same with string nIDPrompt of the resource table (empty when missing).
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);
