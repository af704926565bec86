#include "CFinderApp.h"

#include "CCommandLineInfo.h"
#include "CSearchDlg.h"
#include "OptionsStore.h"
#include "Resource.h"

const CommandMap& CFinderApp::GetCommandMap() const {
    static const CommandMap map = CommandMap::Of<CFinderApp>({
        {ID_TIP_OF_THE_DAY, &CFinderApp::OnTipOfTheDay},
        {ID_HELP, &CFinderApp::OnHelp},
    });
    return map;
}

BOOL CFinderApp::InitInstance() {
    // Qt needs nothing switched on for controls hosted in dialogs or drawn
    // in three dimensions; the start-up begins with the profile.
    SetRegistryKey("Tarnwick\\VO Dizuzi");
    WriteDefaultOptions(*this);
    OfferTipAtStartup();

    CSearchDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

void CFinderApp::OfferTipAtStartup() {
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    // Started by another program ("Embedding", "Automation"): no tip.
    if (!cmdInfo.m_bShowSplash)
        return;
    // The Tip of the Day dialog is not part of the program yet, so there is
    // nothing to offer.
}

void CFinderApp::OnTipOfTheDay() {} // will show the Tip of the Day
