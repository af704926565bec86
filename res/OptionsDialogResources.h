#pragma once

#include "DialogTemplate.h"

// The Options dialog's template (IDD_OPTIONS).
DialogTemplate OptionsDialogTemplate();
