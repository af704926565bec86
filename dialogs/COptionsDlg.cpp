#include "dialogs/COptionsDlg.h"

#include "dialogs/OptionsStore.h"
#include "framework/dialog/DDX.h"
#include "framework/window/CWinApp.h"
#include "res/Resource.h"

#include <utility>

COptionsDlg::COptionsDlg(CWnd* pParent) : CDialog(IDD_OPTIONS, pParent) {}

void COptionsDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_btnOK);
    DDX_Control(dx, IDCANCEL, m_btnCancel);
    DDX_Text(dx, IDC_EXT1, m_ext1);
    DDV_MaxChars(dx, m_ext1, 3);
    DDX_Text(dx, IDC_EXT2, m_ext2);
    DDV_MaxChars(dx, m_ext2, 3);
    DDX_Text(dx, IDC_EXT3, m_ext3);
    DDV_MaxChars(dx, m_ext3, 3);
    DDX_Check(dx, IDC_IGNORE_CAPS, m_ignoreCaps);
    DDX_Check(dx, IDC_IGNORE_EXT, m_ignoreExt);
    DDX_Text(dx, IDC_EXT4, m_ext4);
    DDV_MaxChars(dx, m_ext4, 3);
    DDX_Text(dx, IDC_EXT5, m_ext5);
    DDV_MaxChars(dx, m_ext5, 3);
    DDX_Text(dx, IDC_MAX_MATCHES, m_maxMatches);
    DDV_MinMaxInt(dx, m_maxMatches, 1, 1000);
}

const CommandMap& COptionsDlg::GetCommandMap() const {
    static const CommandMap map = CommandMap::Of<COptionsDlg>({
        {IDC_EXT1, EN_CHANGE, &COptionsDlg::OnChange<IDC_EXT1>},
        {IDC_EXT2, EN_CHANGE, &COptionsDlg::OnChange<IDC_EXT2>},
        {IDC_EXT3, EN_CHANGE, &COptionsDlg::OnChange<IDC_EXT3>},
        {IDC_IGNORE_CAPS, BN_CLICKED, &COptionsDlg::OnChange<IDC_IGNORE_CAPS>},
        {IDC_IGNORE_EXT, BN_CLICKED, &COptionsDlg::OnChange<IDC_IGNORE_EXT>},
        {IDC_EXT4, EN_CHANGE, &COptionsDlg::OnChange<IDC_EXT4>},
        {IDC_EXT5, EN_CHANGE, &COptionsDlg::OnChange<IDC_EXT5>},
        {IDC_MAX_MATCHES, EN_CHANGE, &COptionsDlg::OnChange<IDC_MAX_MATCHES>},
    });
    return map;
}

BOOL COptionsDlg::OnInitDialog() {
    // Attaches the buttons and limits each extension to 3 typed characters.
    CDialog::OnInitDialog();
    m_btnOK.LoadIcons(IDI_OK, 0);
    m_btnCancel.LoadIcons(IDI_CANCEL, 0);
    const SearchOptions stored = LoadOptions(*AfxGetApp());
    m_ext1 = stored.Ext1;
    m_ext2 = stored.Ext2;
    m_ext3 = stored.Ext3;
    m_ext4 = stored.Ext4;
    m_ext5 = stored.Ext5;
    m_ignoreCaps = stored.IgnoreCaps;
    m_ignoreExt = stored.IgnoreExt;
    m_maxMatches = stored.Max;
    // Text written by the program is no user change: nothing is validated.
    UpdateData(FALSE);
    // The focus goes to the first tab stop: OK.
    return TRUE;
}

void COptionsDlg::OnOK() {
    // OK while a reading's warning is still open is ignored: a reading inside
    // it would stack a second warning on the first.
    if (m_reading)
        return;
    if (!ReadFields()) {
        // Changes made while the warning was open.
        HandleChanges();
        return;
    }
    m_changed.clear();
    m_result = SearchOptions{m_ext1, m_ext2,       m_ext3,      m_ext4,
                             m_ext5, m_ignoreCaps, m_ignoreExt, m_maxMatches};
    SaveOptions(*AfxGetApp(), m_result);
    EndDialog(IDOK);
}

void COptionsDlg::OnFieldChange(int id) {
    m_changed.push_back(id);
    if (!m_reading)
        HandleChanges();
}

void COptionsDlg::HandleChanges() {
    while (!m_changed.empty()) {
        const std::vector<int> changed = std::exchange(m_changed, {});
        // Whether the fields are valid does not matter here: a failure has
        // warned, and OK reads them again.
        ReadFields();
        for (int id : changed)
            CopyToResult(id);
    }
}

BOOL COptionsDlg::ReadFields() {
    m_reading = TRUE;
    const BOOL valid = UpdateData(TRUE);
    m_reading = FALSE;
    return valid;
}

void COptionsDlg::CopyToResult(int id) {
    switch (id) {
    case IDC_EXT1:
        m_result.Ext1 = m_ext1;
        break;
    case IDC_EXT2:
        m_result.Ext2 = m_ext2;
        break;
    case IDC_EXT3:
        m_result.Ext3 = m_ext3;
        break;
    case IDC_EXT4:
        m_result.Ext4 = m_ext4;
        break;
    case IDC_EXT5:
        m_result.Ext5 = m_ext5;
        break;
    case IDC_MAX_MATCHES:
        m_result.Max = m_maxMatches;
        break;
    case IDC_IGNORE_CAPS:
        m_result.IgnoreCaps = m_ignoreCaps;
        break;
    case IDC_IGNORE_EXT:
        m_result.IgnoreExt = m_ignoreExt;
        break;
    }
}
