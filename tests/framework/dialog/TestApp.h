#pragma once

#include "framework/window/CWinApp.h"

#include <string>
#include <vector>

// An application object whose command map logs ID_HELP ("help") and the
// options command 57671 ("options").
class TestApp : public CWinApp {
public:
    TestApp() : CWinApp("testapp") {}
    std::vector<std::string> log;

protected:
    const CommandMap& GetCommandMap() const override {
        static const CommandMap map = CommandMap::Of<TestApp>({
            {ID_HELP, &TestApp::OnHelp},
            {57671, &TestApp::OnOptions},
        });
        return map;
    }

private:
    void OnHelp() { log.push_back("help"); }
    void OnOptions() { log.push_back("options"); }
};
