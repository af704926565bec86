#pragma once

#include "controls/CIconButton.h"
#include "engine/MatchList.h"
#include "engine/SearchOptions.h"
#include "framework/dialog/AcceleratorTable.h"
#include "framework/dialog/CDialog.h"
#include "framework/stdcontrols/CListBox.h"

#include <string>

// The main search dialog: the user picks a starting folder, types a search
// string and presses Find; the records of the search are then shown one at
// a time (path, matching lines, "%d / %d") and stepped through with Next and
// Prev (or F3 and Shift+F3); a double click on a line opens the file. The
// dialog owns the records and its own copy of the search options.
class CSearchDlg : public CDialog {
public:
    explicit CSearchDlg(CWnd* pParent = nullptr);
    ~CSearchDlg() override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    const CommandMap& GetCommandMap() const override;
    // F3 and Shift+F3 work wherever the focus is.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The help window goes with the main window.
    void OnDestroy() override;

private:
    void OnFind();
    void OnBrowse();
    void OnSearchChange();
    void OnNext();
    void OnPrev();
    void OnOpenFile();
    void OnAbout();
    void OnWebLinks();
    void OnTips();
    void OnOptions();
    // Shows record i, clamped to the records there are; nothing without
    // results.
    void ShowMatch(int i);

    // The search reports to the dialog.
    // Shows `folder` in the status line at once, unless it is there already.
    void ShowStatus(const std::string& folder);

    CIconButton m_btnOptions;
    CIconButton m_btnPrev;
    CIconButton m_btnOpen;
    CIconButton m_btnNext;
    CIconButton m_btnFind;
    CIconButton m_btnBrowse;
    CListBox m_lineList;
    CIconButton m_btnExit;
    CIconButton m_btnAbout;
    CIconButton m_btnWebLinks;
    CIconButton m_btnHelp;
    std::string m_searchText;
    std::string m_folderText;
    std::string m_statusText;
    std::string m_matchPath;
    std::string m_counterText;
    // The copy of the search options that Find uses: the built-in values
    // until the Options command replaces them.
    SearchOptions m_options;
    // The record shown; read only while m_haveResults.
    int m_current = 0;
    BOOL m_haveResults = FALSE;
    // The search field's text as of its last change.
    std::string m_pattern;
    std::string m_startFolder;
    MatchList m_matches;
    HICON m_icon;
    HACCEL m_accel = nullptr;
};
