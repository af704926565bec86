#pragma once

#include "framework/dialog/DialogTemplate.h"

// The Options dialog's template (IDD_OPTIONS).
DialogTemplate OptionsDialogTemplate();
