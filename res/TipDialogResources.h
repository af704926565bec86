#pragma once

#include "DialogTemplate.h"

// The Tip of the Day's template (IDD_TIP).
DialogTemplate TipDialogTemplate();
