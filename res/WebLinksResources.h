#pragma once

#include "DialogTemplate.h"

// The Web Links dialog's template (IDD_WEBLINKS).
DialogTemplate WebLinksTemplate();
