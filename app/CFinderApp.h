#pragma once

#include "CWinApp.h"

// The application object: runs the main search dialog as the program's one
// window; the program ends when it closes.
class CFinderApp : public CWinApp {
public:
    CFinderApp() = default;

    // Runs the main dialog modally; FALSE, so the program ends afterwards.
    BOOL InitInstance() override;
};
