#include "dialogs/CTipOfDayDlg.h"

#include "dialogs/TipsFile.h"
#include "framework/dialog/AfxMessageBox.h"
#include "framework/dialog/DDX.h"
#include "framework/dialog/ResourceTable.h"
#include "framework/window/CPaintDC.h"
#include "framework/window/CWinApp.h"
#include "res/Resource.h"

namespace {
constexpr const char* kSection = "Tip";
constexpr const char* kStartUp = "StartUp";
constexpr const char* kFilePos = "FilePos";
constexpr const char* kTimeStamp = "TimeStamp";

// String `id` of the string table; empty when there is none.
std::string LoadResourceString(UINT id) {
    const std::string* text = ResourceTable::FindString(id);
    return text ? *text : std::string();
}

CBrush* WhiteBrush() {
    return static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
}
} // namespace

CTipOfDayDlg::CTipOfDayDlg(CWnd* pParent) : CDialog(IDD_TIP, pParent) {
    CWinApp* app = AfxGetApp();
    m_showOnStartup = app->GetProfileInt(kSection, kStartUp, 0) == 0 ? 1 : 0;
    // A 32-bit value, as stored: one beyond int's range reads as negative,
    // and the seek below refuses it.
    int position = static_cast<int>(app->GetProfileInt(kSection, kFilePos, 0));
    m_tipsFile = OpenTipsFile({app->GetStartFolder(), app->GetDataFolder()});
    if (m_tipsFile == nullptr) {
        m_tipText = LoadResourceString(IDS_TIPS_FILE_MISSING);
        return;
    }
    // A re-created file is read from its start; one edited in place keeps
    // its stamp and the stored position, even inside a line.
    const std::string stamp = TipsFileStamp(m_tipsFile);
    if (stamp != app->GetProfileString(kSection, kTimeStamp)) {
        app->WriteProfileString(kSection, kTimeStamp, stamp.c_str());
        position = 0;
    }
    if (std::fseek(m_tipsFile, position, SEEK_SET) != 0)
        AfxMessageBox(IDS_TIPS_FILE_TROUBLE, MB_OK);
    else
        m_hasTips = LoadNextTip(m_tipText);
}

CTipOfDayDlg::~CTipOfDayDlg() {
    if (m_tipsFile == nullptr)
        return;
    AfxGetApp()->WriteProfileInt(kSection, kFilePos, static_cast<int>(std::ftell(m_tipsFile)));
    std::fclose(m_tipsFile);
}

void CTipOfDayDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_NEXTTIP, m_btnNextTip);
    DDX_Control(dx, IDOK, m_btnClose);
    DDX_Check(dx, IDC_STARTUP, m_showOnStartup);
    DDX_Text(dx, IDC_TIPSTRING, m_tipText);
}

const CommandMap& CTipOfDayDlg::GetCommandMap() const {
    static const CommandMap map = CommandMap::Of<CTipOfDayDlg>({
        {IDC_NEXTTIP, &CTipOfDayDlg::OnNextTip},
    });
    return map;
}

BOOL CTipOfDayDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_btnClose.LoadIcons(IDI_OK, 0);
    m_btnNextTip.LoadIcons(IDI_GO, 0);
    UpdateNextTipButton();
    return TRUE;
}

void CTipOfDayDlg::OnOK() {
    CDialog::OnOK();
    AfxGetApp()->WriteProfileInt(kSection, kStartUp, m_showOnStartup ? 0 : 1);
}

void CTipOfDayDlg::OnNextTip() {
    if (m_tipsFile == nullptr)
        return;
    m_hasTips = LoadNextTip(m_tipText);
    // Also puts the check box back to how the dialog opened.
    UpdateData(FALSE);
    UpdateNextTipButton();
}

BOOL CTipOfDayDlg::LoadNextTip(std::string& tip) {
    switch (ReadNextTip(m_tipsFile, tip)) {
    case TipRead::kTip:
        return TRUE;
    case TipRead::kRewindFailed:
        AfxMessageBox(IDS_TIPS_FILE_TROUBLE, MB_OK);
        break;
    case TipRead::kNoTip:
        break;
    }
    tip = LoadResourceString(IDS_TIPS_FILE_TROUBLE);
    return FALSE;
}

void CTipOfDayDlg::UpdateNextTipButton() {
    GetDlgItem(IDC_NEXTTIP)->EnableWindow(m_tipsFile != nullptr && m_hasTips);
}

HBRUSH CTipOfDayDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (pWnd->GetDlgCtrlID() == IDC_TIPSTRING)
        return WhiteBrush();
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CTipOfDayDlg::OnPaint() {
    CPaintDC dc(this);
    CRect area;
    GetDlgItem(IDC_BULB)->GetWindowRect(&area);
    ScreenToClient(&area);
    dc.FillRect(area, WhiteBrush());

    // The bulb unscaled in the top left corner, "Did you know..." beside it,
    // centred on the bulb's height, in the context's own font and colours.
    CBitmap bulb;
    bulb.LoadBitmap(IDB_LIGHTBULB);
    BITMAP size;
    bulb.GetBitmap(&size);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* previous = memory.SelectObject(&bulb);
    area.bottom = area.top + size.bmHeight;
    dc.BitBlt(area.left, area.top, area.Width(), size.bmHeight, &memory, 0, 0, SRCCOPY);
    area.left += size.bmWidth;
    dc.DrawText(LoadResourceString(IDS_TIP_DID_YOU_KNOW), &area, DT_VCENTER | DT_SINGLELINE);
    memory.SelectObject(previous);
}
