#pragma once

#include "framework/dialog/AcceleratorTable.h"
#include "framework/types/WinMessages.h"

// Accelerator table `id` of the resource table; null when it is missing.
HACCEL LoadAccelerators(UINT id);

// A key press (WM_KEYDOWN, or WM_SYSKEYDOWN with Alt) that matches an entry
// of the table, with exactly the entry's modifier keys down, sends
// WM_COMMAND with the entry's command to `hWnd` and returns nonzero; anything
// else returns 0 and is left alone. The command comes with the code 0, as
// the command map takes accelerators. A null table translates nothing.
int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, MSG* lpMsg);
