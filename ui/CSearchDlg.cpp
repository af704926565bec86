#include "ui/CSearchDlg.h"

#include "dialogs/CAboutBox.h"
#include "dialogs/CFolderBrowser.h"
#include "dialogs/CLinksDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CTipOfDayDlg.h"
#include "engine/RunSearch.h"
#include "engine/StartFolder.h"
#include "framework/desktop/DesktopServices.h"
#include "framework/dialog/Accelerators.h"
#include "framework/dialog/AfxMessageBox.h"
#include "framework/dialog/DDX.h"
#include "framework/paint/Icons.h"
#include "framework/window/CBackgroundWork.h"
#include "res/Resource.h"
#include "ui/SearchRelay.h"

#include <cstdio>
#include <new>
#include <string>

namespace {
constexpr const char* kWaiting = "Waiting...";
constexpr const char* kOutOfMemory = "Out of memory: the search was stopped";
constexpr const char* kTooFewDescriptors =
    "Too few file handles to search: the limit on open files is too low";
constexpr COLORREF kHoverText = RGB(0, 0, 255);
// How often the status line follows the search at most, in milliseconds.
constexpr int kStatusInterval = 50;
} // namespace

CSearchDlg::CSearchDlg(CWnd* pParent)
    : CDialog(IDD_VODIZUZI_DIALOG, pParent), m_statusText(kWaiting),
      m_icon(LoadIconResource(IDR_MAINFRAME)) {}

CSearchDlg::~CSearchDlg() {
    // The window shows the icon until it is gone.
    DestroyWindow();
    DestroyIcon(m_icon);
}

void CSearchDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, ID_OPTIONS, m_btnOptions);
    DDX_Control(dx, IDC_PREV, m_btnPrev);
    DDX_Control(dx, IDC_OPEN_FILE, m_btnOpen);
    DDX_Control(dx, IDC_NEXT, m_btnNext);
    DDX_Control(dx, IDC_FIND, m_btnFind);
    DDX_Control(dx, IDC_BROWSE, m_btnBrowse);
    DDX_Control(dx, IDC_LINE_LIST, m_lineList);
    DDX_Control(dx, IDOK, m_btnExit);
    DDX_Control(dx, IDC_ABOUT, m_btnAbout);
    DDX_Control(dx, ID_WEB_LINKS, m_btnWebLinks);
    DDX_Control(dx, ID_HELP, m_btnHelp);
    DDX_Text(dx, IDC_SEARCH_TEXT, m_searchText);
    DDV_MaxChars(dx, m_searchText, 100);
    DDX_Text(dx, IDC_FOLDER_TEXT, m_folderText);
    DDV_MaxChars(dx, m_folderText, 300);
    DDX_Text(dx, IDC_STATUS_TEXT, m_statusText);
    DDV_MaxChars(dx, m_statusText, 300);
    DDX_Text(dx, IDC_MATCH_PATH, m_matchPath);
    DDV_MaxChars(dx, m_matchPath, 300);
    DDX_Text(dx, IDC_COUNTER, m_counterText);
    DDV_MaxChars(dx, m_counterText, 30);
}

const CommandMap& CSearchDlg::GetCommandMap() const {
    static const CommandMap map = CommandMap::Of<CSearchDlg>({
        {IDC_ABOUT, &CSearchDlg::OnAbout},
        {ID_WEB_LINKS, &CSearchDlg::OnWebLinks},
        {ID_TIPS, &CSearchDlg::OnTips},
        {IDC_FIND, &CSearchDlg::OnFind},
        {IDC_BROWSE, &CSearchDlg::OnBrowse},
        {IDC_NEXT, &CSearchDlg::OnNext},
        {IDC_PREV, &CSearchDlg::OnPrev},
        {IDC_OPEN_FILE, &CSearchDlg::OnOpenFile},
        {IDC_LINE_LIST, LBN_DBLCLK, &CSearchDlg::OnOpenFile},
        {ID_OPTIONS, &CSearchDlg::OnOptions},
        {IDC_SEARCH_TEXT, EN_CHANGE, &CSearchDlg::OnSearchChange},
    });
    return map;
}

BOOL CSearchDlg::PreTranslateMessage(MSG* pMsg) {
    if (TranslateAccelerator(m_hWnd, m_accel, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CSearchDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const struct {
        CIconButton& button;
        UINT icon;
        const char* tip;
    } buttons[] = {
        {m_btnExit, IDI_EXIT, "Exit VO Dizuzi"},
        {m_btnWebLinks, IDI_WEB, "VO Dizuzi Web links"},
        {m_btnHelp, IDI_HELP, "Help Contents"},
        {m_btnAbout, IDI_ABOUT, "About VO Dizuzi"},
        {m_btnOptions, IDI_OPTIONS, "Set VO Dizuzi search options"},
        {m_btnPrev, IDI_PREV, "Go to previous match"},
        {m_btnNext, IDI_NEXT, "Go to next match"},
        {m_btnBrowse, IDI_BROWSE, "Select starting folder"},
        {m_btnFind, IDI_FIND, "Activate search"},
        {m_btnOpen, IDI_OPEN, "Open current match in the editor"},
    };
    for (const auto& b : buttons) {
        b.button.LoadIcons(b.icon, 0);
        b.button.SetTipText(b.tip, TRUE);
        b.button.SetHoverTextColor(kHoverText, FALSE);
    }
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
    m_accel = LoadAccelerators(IDR_MAIN_ACCEL);
    // The focus goes to the first tab stop: Exit.
    return TRUE;
}

void CSearchDlg::OnDestroy() {
    DesktopServices::Current().CloseHelp();
    CDialog::OnDestroy();
}

void CSearchDlg::OnSearchChange() {
    UpdateData(TRUE);
    m_pattern = m_searchText;
}

void CSearchDlg::OnBrowse() {
    CFolderBrowser browser;
    if (browser.DoModal() != IDOK)
        return;
    m_startFolder = browser.GetPath();
    m_folderText = m_startFolder;
    UpdateData(FALSE);
}

void CSearchDlg::OnFind() {
    // The path of the record shown before stays until a new record is shown.
    m_matches.RemoveAll();
    m_counterText.clear();
    m_haveResults = FALSE;
    m_lineList.ResetContent();
    UpdateData(FALSE);

    std::string status = kWaiting;
    if (m_pattern.empty()) {
        AfxMessageBox("Please enter search string", MB_OK);
    } else if (m_startFolder.empty()) {
        AfxMessageBox("Please enter starting folder", MB_OK);
    } else if (!StartFolder::CanOpen(m_startFolder)) {
        // Deleted since it was chosen, or not readable: say so rather than
        // find nothing.
        AfxMessageBox("Cannot open folder: " + m_startFolder, MB_OK);
    } else {
        // The search runs on a worker thread; the window stays painted and
        // takes no other command meanwhile. Escape or the close box stop the
        // search, and the records found until then are shown as usual.
        CBackgroundWork work(*this);
        SearchRelay relay(work, [this, &relay] {
            ShowStatus(relay.LatestFolder());
            AfxMessageBox("Error opening file", MB_OK);
        });
        SearchTuning tuning;
        tuning.cancel = &work.StopRequested();
        const char* failure = nullptr;
        try {
            work.Run(
                [&] { RunSearch(m_pattern, m_startFolder, m_options, m_matches, relay, tuning); },
                [this, &relay] { ShowStatus(relay.LatestFolder()); }, kStatusInterval);
        } catch (const std::bad_alloc&) {
            failure = kOutOfMemory;
        } catch (const TooFewDescriptors&) {
            failure = kTooFewDescriptors;
        }
        // The records found are shown, also those found before a failure.
        if (m_matches.GetCount() > 0) {
            m_haveResults = TRUE;
            ShowMatch(0);
        }
        if (failure != nullptr)
            AfxMessageBox(failure, MB_OK);
        // A stopped search looks finished but for the status line, which
        // says so until the next Find. (Too few file handles search nothing.)
        if (work.StopRequested() || failure == kOutOfMemory)
            status = "Search stopped: " + std::to_string(m_matches.GetCount()) + " files found";
    }
    m_statusText = status;
    UpdateData(FALSE);
}

void CSearchDlg::ShowStatus(const std::string& folder) {
    if (folder.empty() || folder == m_statusText)
        return;
    m_statusText = folder;
    UpdateData(FALSE);
    UpdateWindow();
}

void CSearchDlg::ShowMatch(int i) {
    if (!m_haveResults)
        return;
    const int count = m_matches.GetCount();
    if (i > count - 1)
        i = count - 1;
    if (i < 0)
        i = 0;
    m_lineList.ResetContent();
    const MatchRecord& record = m_matches.GetAt(i);
    m_matchPath = record.GetPath();
    for (int line = 0; line < record.GetLineCount(); ++line)
        m_lineList.AddString(record.GetLine(line));
    char counter[32];
    std::snprintf(counter, sizeof counter, "%d / %d", i + 1, count);
    m_counterText = counter;
    UpdateData(FALSE);
    m_current = i;
}

void CSearchDlg::OnNext() {
    ShowMatch(m_current + 1);
}

void CSearchDlg::OnPrev() {
    ShowMatch(m_current - 1);
}

void CSearchDlg::OnOpenFile() {
    if (!m_haveResults)
        return;
    // Whether the editor started is not shown to the user.
    DesktopServices::Current().StartEditor(m_matches.GetAt(m_current).GetPath());
}

void CSearchDlg::OnAbout() {
    CAboutBox about;
    about.DoModal();
}

void CSearchDlg::OnWebLinks() {
    CLinksDlg links(nullptr);
    links.DoModal();
}

void CSearchDlg::OnTips() {
    CTipOfDayDlg dialog;
    dialog.DoModal();
}

void CSearchDlg::OnOptions() {
    COptionsDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    // From the next search on; the record on display stays.
    m_options.Ext1 = dialog.GetExt1();
    m_options.Ext2 = dialog.GetExt2();
    m_options.Ext3 = dialog.GetExt3();
    m_options.Ext4 = dialog.GetExt4();
    m_options.Ext5 = dialog.GetExt5();
    m_options.IgnoreCaps = dialog.GetIgnoreCaps();
    m_options.IgnoreExt = dialog.GetIgnoreExt();
    m_options.Max = dialog.GetMax();
}
