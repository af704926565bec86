#pragma once

#include "framework/dialog/DialogTemplate.h"

// The About box's template (IDD_ABOUTBOX).
DialogTemplate AboutBoxTemplate();
