#pragma once

#include "framework/window/CWinApp.h"

// The application object: puts the profile under "Tarnwick\VO Dizuzi",
// stores the first-run options, offers the Tip of the Day, then runs the main
// search dialog as the program's one window; the program ends when it
// closes.
class CFinderApp : public CWinApp {
public:
    CFinderApp() = default;

    // The whole run of the program; FALSE, so the program ends afterwards.
    BOOL InitInstance() override;

protected:
    const CommandMap& GetCommandMap() const override;

private:
    // The start-up offer of the Tip of the Day: shown while its check box is
    // on; not even read when the command line holds "Embedding" or
    // "Automation".
    void OfferTipAtStartup();
    // Command 106: the Tip of the Day, whatever its check box says.
    void OnTipOfTheDay();
};
