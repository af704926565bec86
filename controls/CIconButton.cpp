#include "CIconButton.h"

#include "Icons.h"
#include "SysColor.h"

CIconButton::CIconButton() {
    ResetNormalBackColor(FALSE);
    ResetNormalTextColor(FALSE);
    ResetHoverBackColor(FALSE);
    ResetHoverTextColor(FALSE);
}

CIconButton::~CIconButton() {
    DestroyIcons();
}

void CIconButton::LoadIcons(UINT hoverIconId, UINT normalIconId) {
    AttachIcons(LoadIconResource(hoverIconId),
                normalIconId != 0 ? LoadIconResource(normalIconId) : nullptr);
}

void CIconButton::AttachIcons(HICON hoverIcon, HICON normalIcon) {
    DestroyIcons();
    m_hoverIcon = hoverIcon;
    m_normalIcon = normalIcon != nullptr ? normalIcon : hoverIcon;
}

void CIconButton::DestroyIcons() {
    if (m_normalIcon != nullptr && m_normalIcon != m_hoverIcon)
        DestroyIcon(m_normalIcon);
    if (m_hoverIcon != nullptr)
        DestroyIcon(m_hoverIcon);
    m_hoverIcon = nullptr;
    m_normalIcon = nullptr;
}

void CIconButton::SetTipText(const char*, BOOL) {}

void CIconButton::SetHoverTextColor(COLORREF color, BOOL repaint) {
    m_hoverText = color;
    Repaint(repaint);
}

void CIconButton::ResetNormalBackColor(BOOL repaint) {
    m_normalBack = GetSysColor(COLOR_BTNFACE);
    Repaint(repaint);
}

void CIconButton::ResetNormalTextColor(BOOL repaint) {
    m_normalText = GetSysColor(COLOR_BTNTEXT);
    Repaint(repaint);
}

void CIconButton::ResetHoverBackColor(BOOL repaint) {
    m_hoverBack = GetSysColor(COLOR_BTNFACE);
    Repaint(repaint);
}

void CIconButton::ResetHoverTextColor(BOOL repaint) {
    m_hoverText = GetSysColor(COLOR_BTNTEXT);
    Repaint(repaint);
}

void CIconButton::Repaint(BOOL repaint) {
    if (repaint && m_hWnd != nullptr)
        Invalidate();
}

void CIconButton::SetIconAlign(IconAlign align) {
    m_iconAlign = align;
    Repaint(TRUE);
}

void CIconButton::SetShowCaption(BOOL show) {
    m_showCaption = show;
    Repaint(TRUE);
}

void CIconButton::SetHoverFrame(BOOL frame) {
    m_hoverFrame = frame;
    Repaint(TRUE);
}

void CIconButton::SetFlat(BOOL flat) {
    m_flat = flat;
    Repaint(TRUE);
}

void CIconButton::SetFocusWhenFlat(BOOL focus) {
    m_focusWhenFlat = focus;
    Repaint(TRUE);
}

void CIconButton::SetTransparent(BOOL transparent) {
    m_transparent = transparent;
    Repaint(TRUE);
}

BOOL CIconButton::PreTranslateMessage(MSG* pMsg) {
    return CButton::PreTranslateMessage(pMsg);
}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT) {}

void CIconButton::PreSubclassWindow() {
    const UINT style = GetButtonStyle();
    if (style & BS_DEFPUSHBUTTON)
        m_isDefault = TRUE;
    SetButtonStyle(style | BS_OWNERDRAW, TRUE);
    CButton::PreSubclassWindow();
}

LRESULT CIconButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CIconButton::OnMouseMove(UINT nFlags, CPoint point) {
    CButton::OnMouseMove(nFlags, point);
}

void CIconButton::OnMouseLeave() {
    CButton::OnMouseLeave();
}

void CIconButton::OnKillFocus(CWnd* pNewWnd) {
    CButton::OnKillFocus(pNewWnd);
}

void CIconButton::OnSysColorChange() {
    CButton::OnSysColorChange();
}

BOOL CIconButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CIconButton::EnsureTip() {}

void CIconButton::PlaceAndDrawIcon(CDC*, const std::string&, const CRect&, CRect*, BOOL, BOOL) {}

void CIconButton::CopyParentBackground(CDC*) {}

void CIconButton::SetHover(BOOL hover) {
    m_hover = hover;
}
