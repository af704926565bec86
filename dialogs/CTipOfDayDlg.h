#pragma once

#include "controls/CIconButton.h"
#include "framework/dialog/CDialog.h"

#include <cstdio>
#include <string>

// The Tip of the Day: shows one tip of the tips file (see TipsFile.h) each
// time it opens, the next one on Next Tip, and remembers in the profile
// (section "Tip") where it stopped, so that every opening shows the next tip
// and the last one is followed by the first. Its check box says whether the
// application offers the tips at start-up.
//
// Construction does the file work: it opens tips.txt in the folder that was
// current at start-up, else in the program's data folder; a file with a new
// stamp ("TimeStamp") is read from its start, else reading goes on at
// "FilePos"; the first tip is read. Destruction saves the position after the
// last tip read, however the dialog ended and also when it never ran. Close
// saves the check box ("StartUp": 1 when unchecked, 0 when checked); Escape
// and the close box leave it unsaved.
class CTipOfDayDlg : public CDialog {
public:
    explicit CTipOfDayDlg(CWnd* pParent = nullptr);
    ~CTipOfDayDlg() override;

    // 1: the application offers the tips at start-up; 0: it does not.
    int m_showOnStartup;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const CommandMap& GetCommandMap() const override;
    // The tip is shown on the white of the tip area.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
    // The white tip area with the light bulb and "Did you know...".
    void OnPaint() override;

private:
    void OnNextTip();
    // Reads the next tip into `tip`; FALSE when the file holds none (it
    // then says so in `tip`), after a message box when going back to the
    // start of the file failed.
    BOOL LoadNextTip(std::string& tip);
    // Next Tip works while the file is open and has tips.
    void UpdateNextTipButton();

    CIconButton m_btnNextTip;
    CIconButton m_btnClose;
    std::string m_tipText;
    FILE* m_tipsFile = nullptr;
    BOOL m_hasTips = TRUE;
};
