#include "controls/CLinkLabel.h"

#include "framework/desktop/DesktopServices.h"
#include "res/Resource.h"

#include <string>
#include <system_error>
#include <thread>

CLinkLabel::~CLinkLabel() {
    if (m_hWnd != nullptr)
        RestoreFont();
    m_linkFont.DeleteObject();
    DestroyCursor(m_cursor);
}

void CLinkLabel::PreSubclassWindow() {
    CStatic::PreSubclassWindow();
    PostMessage(WM_LINK_MAKEFONT, 0, 0);
}

LRESULT CLinkLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LINK_MAKEFONT)
        return OnMakeFont(wParam, lParam);
    return CStatic::WindowProc(message, wParam, lParam);
}

LRESULT CLinkLabel::OnMakeFont(WPARAM, LPARAM) {
    if (m_linkFont.GetSafeHandle() != nullptr)
        return 0;
    CFont* current = GetFont();
    LOGFONT logFont;
    if (current == nullptr || current->GetLogFont(&logFont) == 0)
        return 0;
    m_prevFont = current;
    // Face, height and character set stay the control's.
    logFont.lfWeight = FW_BOLD;
    logFont.lfUnderline = 1;
    m_linkFont.CreateFontIndirect(&logFont);
    SetFont(&m_linkFont, TRUE);
    return 0;
}

void CLinkLabel::RestoreFont() {
    if (m_linkFont.GetSafeHandle() != nullptr)
        SetFont(m_prevFont, FALSE);
}

void CLinkLabel::OnDestroy() {
    RestoreFont();
    CStatic::OnDestroy();
}

BOOL CLinkLabel::OnSetCursor(CWnd*, UINT, UINT) {
    std::string text;
    GetWindowText(text);
    if (text.empty())
        return FALSE;
    if (m_cursor == nullptr)
        m_cursor = LoadCursorResource(IDC_LINK_CURSOR);
    SetCursor(m_cursor);
    return TRUE;
}

BOOL CLinkLabel::PreTranslateMessage(MSG* pMsg) {
    const bool openKey = pMsg->wParam == VK_SPACE || pMsg->wParam == VK_RETURN;
    if (pMsg->hwnd != m_hWnd || pMsg->message != WM_KEYDOWN || !openKey ||
        (pMsg->lParam & (MK_SHIFT | MK_CONTROL)))
        return CStatic::PreTranslateMessage(pMsg);
    Open();
    return TRUE;
}

void CLinkLabel::OnLButtonDown(UINT, CPoint) {
    Open();
}

void CLinkLabel::Open() {
    std::string link;
    GetWindowText(link);
    if (link.empty())
        return;
    DesktopServices& desktop = DesktopServices::Current();
    try {
        // The worker owns its copy of the text and touches nothing but that
        // copy and the desktop service it is handed: not the label, not its
        // window, nothing of Qt. It may outlive the label and its dialog, and
        // each click has its own, so nothing is shared and nothing locked.
        std::thread([&desktop, link = std::move(link)] { desktop.OpenLink(link); }).detach();
    } catch (const std::system_error&) {
        // Without a thread the click does nothing.
    }
}
