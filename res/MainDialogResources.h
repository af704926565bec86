#pragma once

#include "framework/dialog/AcceleratorTable.h"
#include "framework/dialog/DialogTemplate.h"
#include "framework/dialog/MenuTemplate.h"

// The main search dialog's template (IDD_VODIZUZI_DIALOG), its menu
// (IDR_MAIN_MENU) and its keys (IDR_MAIN_ACCEL).
DialogTemplate MainDialogTemplate();
MenuTemplate MainMenuTemplate();
AcceleratorTable MainAcceleratorTable();
