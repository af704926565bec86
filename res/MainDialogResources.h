#pragma once

#include "DialogTemplate.h"
#include "MenuTemplate.h"

// The main search dialog's template (IDD_VODIZUZI_DIALOG) and its menu
// (IDR_MAIN_MENU).
DialogTemplate MainDialogTemplate();
MenuTemplate MainMenuTemplate();
