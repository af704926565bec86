#pragma once

#include "framework/dialog/DialogTemplate.h"

// The Web Links dialog's template (IDD_WEBLINKS).
DialogTemplate WebLinksTemplate();
