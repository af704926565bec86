#pragma once

#include "CWinApp.h"

// An application object whose profile lies under "Tarnwick\VO Dizuzi", as
// the program's does (see TempConfigHome).
class KeyedApp : public CWinApp {
public:
    explicit KeyedApp(const char* name = nullptr) : CWinApp(name) {
        SetRegistryKey("Tarnwick\\VO Dizuzi");
    }
};
