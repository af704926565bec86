#pragma once

#include "framework/dialog/DialogTemplate.h"

// The Tip of the Day's template (IDD_TIP).
DialogTemplate TipDialogTemplate();
