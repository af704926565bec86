#include "app/CFinderApp.h"

#include "dialogs/CTipOfDayDlg.h"
#include "dialogs/OptionsStore.h"
#include "framework/window/CCommandLineInfo.h"
#include "res/Resource.h"
#include "ui/CSearchDlg.h"

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
    // Started by another program ("Embedding", "Automation"): no tip, and
    // the tips file's position stays where it is.
    if (!cmdInfo.m_bShowSplash)
        return;
    // Made even when the tips are off, so that the position moves on by one
    // tip at every start-up.
    CTipOfDayDlg dialog;
    if (dialog.m_showOnStartup)
        dialog.DoModal();
}

void CFinderApp::OnTipOfTheDay() {
    CTipOfDayDlg dialog;
    dialog.DoModal();
}
