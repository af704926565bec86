#pragma once

#include "AcceleratorTable.h"
#include "DialogTemplate.h"
#include "MenuTemplate.h"

// The main search dialog's template (IDD_VODIZUZI_DIALOG), its menu
// (IDR_MAIN_MENU) and its keys (IDR_MAIN_ACCEL).
DialogTemplate MainDialogTemplate();
MenuTemplate MainMenuTemplate();
AcceleratorTable MainAcceleratorTable();
