#pragma once

#include "DialogTemplate.h"

// The About box's template (IDD_ABOUTBOX).
DialogTemplate AboutBoxTemplate();
