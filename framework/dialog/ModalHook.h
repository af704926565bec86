#pragma once

#include "framework/types/ScopedHook.h"
#include "framework/types/WinDefs.h"

class CDialog;

// While a ModalHook lives, CDialog::DoModal builds and initialises the
// dialog, shows it without a modal loop, calls the handler with it and
// returns what the handler returns; then the window is destroyed. Tests use
// it to look at and drive dialogs, nested ones included, without blocking.
struct ModalHookTag;
using ModalHook = ScopedHook<ModalHookTag, INT_PTR(CDialog& dialog)>;
