#include "framework/window/CWnd.h"

#include "framework/window/internal/WndRecord.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {
QRect ToQRect(const CRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}
} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd != nullptr)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    return hWnd != nullptr ? WndRecord::Of(hWnd).Object() : nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (m_hWnd != nullptr || hWnd == nullptr)
        return FALSE;
    WndRecord& record = WndRecord::Of(hWnd);
    if (record.Permanent() != nullptr)
        return FALSE;
    record.Attach(this);
    m_hWnd = hWnd;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    const CWnd* control = pParent ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    return control != nullptr && SubclassWindow(control->m_hWnd);
}

HWND CWnd::UnsubclassWindow() {
    HWND widget = m_hWnd;
    for (HWND handle : {m_hWnd, m_hWndClient})
        if (WndRecord* record = WndRecord::Find(handle); record && record->Permanent() == this)
            record->Detach();
    m_hWnd = nullptr;
    m_hWndClient = nullptr;
    return widget;
}

int CWnd::GetDlgCtrlID() const {
    const WndRecord* record = WndRecord::Find(m_hWnd);
    return record ? record->Id() : 0;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    HWND client = ClientHandle();
    if (client == nullptr)
        return nullptr;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const WndRecord* record = WndRecord::Find(child);
        if (record && record->Id() == nID)
            return FromHandle(child);
    }
    return nullptr;
}

CWnd* CWnd::GetParent() const {
    return m_hWnd ? FromHandle(m_hWnd->parentWidget()) : nullptr;
}

void CWnd::SetWindowText(const std::string& text) {
    if (m_hWnd != nullptr)
        WndRecord::Of(m_hWnd).SetText(text);
}

void CWnd::GetWindowText(std::string& text) const {
    text = m_hWnd ? WndRecord::Of(m_hWnd).Text() : std::string();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    const BOOL wasDisabled = !IsWindowEnabled();
    if (m_hWnd != nullptr)
        m_hWnd->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd != nullptr && !m_hWnd->testAttribute(Qt::WA_ForceDisabled);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    const BOOL wasVisible = m_hWnd != nullptr && !m_hWnd->isHidden();
    if (m_hWnd != nullptr)
        m_hWnd->setVisible(nCmdShow != SW_HIDE);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd != nullptr && m_hWnd->isVisible();
}

void CWnd::Invalidate(BOOL) {
    if (HWND client = ClientHandle())
        client->update();
}

void CWnd::UpdateWindow() {
    if (HWND client = ClientHandle())
        client->repaint();
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, UINT flags) {
    HWND client = ClientHandle();
    if (client == nullptr)
        return FALSE;
    const QRect area = lpRectUpdate ? ToQRect(*lpRectUpdate) : client->rect();
    if (flags & RDW_UPDATENOW)
        client->repaint(area);
    else if (flags & RDW_INVALIDATE)
        client->update(area);
    return TRUE;
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    HWND client = ClientHandle();
    *lpRect = client ? CRect(0, 0, client->width(), client->height()) : CRect();
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    if (m_hWnd == nullptr) {
        *lpRect = CRect();
        return;
    }
    QRect frame = m_hWnd->frameGeometry();
    if (!m_hWnd->isWindow())
        frame = QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size());
    *lpRect = CRect(frame.left(), frame.top(), frame.left() + frame.width(),
                    frame.top() + frame.height());
}

void CWnd::ScreenToClient(CPoint* lpPoint) const {
    if (HWND client = ClientHandle()) {
        const QPoint local = client->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
        *lpPoint = CPoint(local.x(), local.y());
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    CPoint topLeft(lpRect->left, lpRect->top);
    ScreenToClient(&topLeft);
    lpRect->OffsetRect(topLeft.x - lpRect->left, topLeft.y - lpRect->top);
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (m_hWnd != nullptr)
        m_hWnd->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus() {
    return FromHandle(QApplication::focusWidget());
}

CWnd* CWnd::GetActiveWindow() {
    return FromHandle(QApplication::activeWindow());
}

DWORD CWnd::GetStyle() const {
    const WndRecord* record = WndRecord::Find(m_hWnd);
    if (record == nullptr)
        return 0;
    DWORD style = record->Style() & ~(WS_VISIBLE | WS_DISABLED);
    if (!m_hWnd->isHidden())
        style |= WS_VISIBLE;
    if (!IsWindowEnabled())
        style |= WS_DISABLED;
    return style;
}

DWORD CWnd::GetExStyle() const {
    const WndRecord* record = WndRecord::Find(m_hWnd);
    return record ? record->ExStyle() : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
    if (m_hWnd == nullptr)
        return FALSE;
    const DWORD before = GetStyle();
    const DWORD after = (before & ~dwRemove) | dwAdd;
    if (after == before)
        return FALSE;
    WndRecord::Of(m_hWnd).SetStyles(after, GetExStyle());
    m_hWnd->setVisible(after & WS_VISIBLE);
    m_hWnd->setEnabled(!(after & WS_DISABLED));
    return TRUE;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    if (m_hWnd != nullptr)
        WndRecord::Of(m_hWnd).SetFont(pFont);
    if (bRedraw)
        Invalidate();
}

CFont* CWnd::GetFont() const {
    return m_hWnd ? WndRecord::Of(m_hWnd).Font() : nullptr;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return m_hWnd ? WndRecord::Of(m_hWnd).SetIcon(hIcon, bBigIcon != FALSE) : nullptr;
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
    const WndRecord* record = WndRecord::Find(m_hWnd);
    return record ? record->Icon(bBigIcon != FALSE) : nullptr;
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
    HWND client = ClientHandle();
    if (client == nullptr)
        return 0;
    WndRecord::Of(client).StartTimer(nIDEvent, nElapse);
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    WndRecord* record = WndRecord::Find(ClientHandle());
    return record != nullptr && record->StopTimer(nIDEvent);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND client = ClientHandle();
    return client ? WndRecord::Of(client).Send(message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND client = ClientHandle();
    if (client == nullptr)
        return FALSE;
    WndRecord::Of(client).Post(message, wParam, lParam);
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    HWND widget = m_hWnd;
    if (widget == nullptr)
        return FALSE;
    std::vector<CWnd*> attached;
    const auto collect = [&attached](const WndRecord* record) {
        CWnd* wnd = record ? record->Permanent() : nullptr;
        if (wnd && std::find(attached.begin(), attached.end(), wnd) == attached.end())
            attached.push_back(wnd);
    };
    collect(WndRecord::Find(widget));
    for (const QWidget* child : widget->findChildren<QWidget*>())
        collect(WndRecord::Find(child));
    for (CWnd* wnd : attached)
        wnd->SendMessage(WM_DESTROY);
    for (CWnd* wnd : attached)
        wnd->UnsubclassWindow();
    m_hWnd = nullptr;
    m_hWndClient = nullptr;
    delete widget;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWnd::PreSubclassWindow() {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, point);
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, point);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, point);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, point);
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return 0;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<CDC*>(wParam),
                                                    FromHandle(reinterpret_cast<HWND>(lParam)),
                                                    CTLCOLOR_STATIC));
    case WM_SETCURSOR:
        return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam),
                           HIWORD(lParam));
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND client = ClientHandle();
    return client ? WndRecord::Of(client).DefaultProcessing(message, wParam, lParam) : 0;
}

LRESULT CWnd::Default() {
    HWND client = ClientHandle();
    const MSG* current = client ? WndRecord::Of(client).CurrentMessage() : nullptr;
    return current ? DefWindowProc(current->message, current->wParam, current->lParam) : 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

void CWnd::OnDestroy() {}

void CWnd::OnTimer(UINT_PTR) {}

void CWnd::OnPaint() {
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}

void CWnd::OnMouseLeave() {
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnSetFocus(CWnd*) {
    Default();
}

void CWnd::OnKillFocus(CWnd*) {
    Default();
}

void CWnd::OnSysColorChange() {
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return FALSE;
}
