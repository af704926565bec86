#pragma once

#include "controls/CIconButton.h"
#include "engine/SearchOptions.h"
#include "framework/dialog/CDialog.h"

#include <string>
#include <vector>

// The Options dialog: shows the search options stored in the profile of the
// application object, validates every change as it is made (a warning box,
// then the focus back on the field at fault), and on OK stores all eight and
// hands them back through the getters. Cancel, Escape and the close box
// store nothing. One object serves one opening; the application object must
// exist, since its profile holds the options.
class COptionsDlg : public CDialog {
public:
    explicit COptionsDlg(CWnd* pParent = nullptr);

    // The accepted values; meaningful after DoModal has returned IDOK.
    std::string GetExt1() const { return m_result.Ext1; }
    std::string GetExt2() const { return m_result.Ext2; }
    std::string GetExt3() const { return m_result.Ext3; }
    std::string GetExt4() const { return m_result.Ext4; }
    std::string GetExt5() const { return m_result.Ext5; }
    int GetIgnoreCaps() const { return m_result.IgnoreCaps; }
    int GetIgnoreExt() const { return m_result.IgnoreExt; }
    int GetMax() const { return m_result.Max; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const CommandMap& GetCommandMap() const override;

private:
    // EN_CHANGE of an edit, BN_CLICKED of a check box.
    template <int nID> void OnChange() { OnFieldChange(nID); }
    // A user's change of control `id`: all fields are read and validated (a
    // failure warns at once), then the changed field's value goes into
    // m_result.
    void OnFieldChange(int id);
    // Handles the changes noted so far, one reading for all that came
    // together.
    void HandleChanges();
    // UpdateData(TRUE), noting that a reading is under way: a change that
    // arrives while its warning box is open waits until the reading is over
    // rather than starting a reading inside it.
    BOOL ReadFields();
    void CopyToResult(int id);

    CIconButton m_btnOK;
    CIconButton m_btnCancel;
    std::string m_ext1;
    std::string m_ext2;
    std::string m_ext3;
    // The numbers get their first values from the profile as the dialog
    // opens.
    int m_ignoreCaps = 0;
    int m_ignoreExt = 0;
    std::string m_ext4;
    std::string m_ext5;
    int m_maxMatches = 0;
    SearchOptions m_result;

    BOOL m_reading = FALSE;
    // Controls changed by the user and not yet handled.
    std::vector<int> m_changed;
};
