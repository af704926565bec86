#pragma once

#include "framework/types/ScopedHook.h"
#include "framework/types/WinDefs.h"

#include <string>

// While a MessageBoxHook lives, AfxMessageBox shows nothing and returns what
// the handler returns for the text and type of the box.
struct MessageBoxHookTag;
using MessageBoxHook = ScopedHook<MessageBoxHookTag, int(const std::string& text, UINT type)>;
