#pragma once

#include "framework/window/CWinApp.h"

// An application object whose profile lies under "Tarnwick\VO Dizuzi", as
// the program's does (see TempConfigHome), and whose Help command shows the
// help as the program's does.
class KeyedApp : public CWinApp {
public:
    explicit KeyedApp(const char* name = nullptr) : CWinApp(name) {
        SetRegistryKey("Tarnwick\\VO Dizuzi");
    }

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMap::Of<KeyedApp>({{ID_HELP, &KeyedApp::OnHelp}});
        return map;
    }
};
