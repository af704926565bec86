#include "CFinderApp.h"

#include "CSearchDlg.h"

BOOL CFinderApp::InitInstance() {
    CSearchDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
