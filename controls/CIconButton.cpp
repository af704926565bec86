#include "controls/CIconButton.h"

#include "framework/paint/CPen.h"
#include "framework/paint/Icons.h"
#include "framework/paint/SysColor.h"
#include "framework/window/CClientDC.h"

namespace {
constexpr UINT_PTR kTipId = 1;
// Gap between the icon and the button's edge, and between icon and caption.
constexpr int kIconMargin = 3;
} // namespace

CIconButton::CIconButton() {
    ResetNormalBackColor(FALSE);
    ResetNormalTextColor(FALSE);
    ResetHoverBackColor(FALSE);
    ResetHoverTextColor(FALSE);
}

CIconButton::~CIconButton() {
    DropBackground();
    DestroyIcons();
    DestroyCursor(m_cursor);
}

void CIconButton::LoadIcons(UINT hoverIconId, UINT normalIconId) {
    AttachIcons(LoadIconResource(hoverIconId),
                normalIconId != 0 ? LoadIconResource(normalIconId) : nullptr);
}

void CIconButton::AttachIcons(HICON hoverIcon, HICON normalIcon) {
    DestroyIcons();
    m_hoverIcon = hoverIcon;
    m_normalIcon = normalIcon != nullptr ? normalIcon : hoverIcon;

    // The hot spot of an icon is its centre; the extent wraps at 256 pixels.
    ICONINFO info;
    GetIconInfo(m_hoverIcon, &info);
    m_iconWidth = static_cast<BYTE>(info.xHotspot * 2);
    m_iconHeight = static_cast<BYTE>(info.yHotspot * 2);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);

    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CIconButton::DestroyIcons() {
    if (m_normalIcon != m_hoverIcon)
        DestroyIcon(m_normalIcon);
    DestroyIcon(m_hoverIcon);
    m_hoverIcon = nullptr;
    m_normalIcon = nullptr;
}

void CIconButton::SetTipText(const char* text, BOOL activate) {
    if (text == nullptr)
        return;
    EnsureTip();
    if (m_tip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(&client);
        m_tip.AddTool(this, text, &client, kTipId);
    }
    m_tip.UpdateTipText(text, this, kTipId);
    m_tip.Activate(activate);
}

void CIconButton::EnsureTip() {
    if (m_tip.GetSafeHwnd() != nullptr)
        return;
    m_tip.Create(this, 0);
    m_tip.Activate(FALSE);
}

void CIconButton::SetNormalBackColor(COLORREF color, BOOL repaint) {
    m_normalBack = color;
    Repaint(repaint);
}

void CIconButton::SetNormalTextColor(COLORREF color, BOOL repaint) {
    m_normalText = color;
    Repaint(repaint);
}

void CIconButton::SetHoverBackColor(COLORREF color, BOOL repaint) {
    m_hoverBack = color;
    Repaint(repaint);
}

void CIconButton::SetHoverTextColor(COLORREF color, BOOL repaint) {
    m_hoverText = color;
    Repaint(repaint);
}

void CIconButton::ResetNormalBackColor(BOOL repaint) {
    SetNormalBackColor(GetSysColor(COLOR_BTNFACE), repaint);
}

void CIconButton::ResetNormalTextColor(BOOL repaint) {
    SetNormalTextColor(GetSysColor(COLOR_BTNTEXT), repaint);
}

void CIconButton::ResetHoverBackColor(BOOL repaint) {
    SetHoverBackColor(GetSysColor(COLOR_BTNFACE), repaint);
}

void CIconButton::ResetHoverTextColor(BOOL repaint) {
    SetHoverTextColor(GetSysColor(COLOR_BTNTEXT), repaint);
}

void CIconButton::Repaint(BOOL repaint) {
    if (repaint && m_hWnd != nullptr)
        Invalidate(TRUE);
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
    if (!flat)
        SetHover(FALSE);
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

void CIconButton::SetButtonCursor(HCURSOR cursor) {
    if (cursor != m_cursor)
        DestroyCursor(m_cursor);
    m_cursor = cursor;
}

void CIconButton::SetHover(BOOL hover) {
    if (m_hover == hover)
        return;
    m_hover = hover;
    Repaint(TRUE);
}

void CIconButton::PreSubclassWindow() {
    const UINT style = GetButtonStyle();
    if (style & BS_DEFPUSHBUTTON)
        m_isDefault = TRUE;
    SetButtonStyle(style | BS_OWNERDRAW, TRUE);
    CButton::PreSubclassWindow();
}

BOOL CIconButton::PreTranslateMessage(MSG* pMsg) {
    EnsureTip();
    m_tip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

LRESULT CIconButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A fast second click is a second press, not a double click.
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CIconButton::OnMouseMove(UINT nFlags, CPoint point) {
    CButton::OnMouseMove(nFlags, point);
    // A drag that began elsewhere starts no hover; the 3-D button has none.
    if (((nFlags & MK_LBUTTON) && !m_hover) || !m_flat)
        return;
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        // Dragged off while pressed: the hover ends, the press goes on.
        SetHover(FALSE);
        return;
    }
    // No hover while another application is active.
    if (!m_hover && GetActiveWindow() != nullptr && GetParent() != nullptr)
        SetHover(TRUE);
}

void CIconButton::OnMouseLeave() {
    CButton::OnMouseLeave();
    SetHover(FALSE);
}

void CIconButton::OnKillFocus(CWnd* pNewWnd) {
    CButton::OnKillFocus(pNewWnd);
    if (m_flat)
        SetHover(FALSE);
}

void CIconButton::OnSysColorChange() {
    CButton::OnSysColorChange();
    DropBackground();
}

BOOL CIconButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_cursor == nullptr)
        return CButton::OnSetCursor(pWnd, nHitTest, message);
    SetCursor(m_cursor);
    return TRUE;
}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = lpDrawItemStruct->pDC;
    const UINT state = lpDrawItemStruct->itemState;
    const BOOL pressed = (state & ODS_SELECTED) != 0;
    const BOOL focused = (state & ODS_FOCUS) != 0;
    const BOOL disabled = (state & ODS_DISABLED) != 0;
    const BOOL highlighted = m_hover || pressed;
    CRect rect = lpDrawItemStruct->rcItem;

    pDC->SetBkMode(TRANSPARENT);
    if (!m_flat && (focused || IsDefaultButton())) {
        CBrush black(RGB(0, 0, 0));
        pDC->FrameRect(rect, &black);
        rect.DeflateRect(1, 1);
    }

    if (m_transparent) {
        CopyParentBackground(pDC);
    } else {
        CBrush back(highlighted ? m_hoverBack : m_normalBack);
        pDC->FillRect(rect, &back);
    }
    DrawBorder(pDC, rect, pressed);

    std::string caption;
    if (m_showCaption)
        GetWindowText(caption);
    CRect captionRect = lpDrawItemStruct->rcItem;
    if (m_hoverIcon != nullptr)
        PlaceAndDrawIcon(pDC, caption, lpDrawItemStruct->rcItem, &captionRect, pressed, disabled);
    if (!caption.empty())
        DrawCaption(pDC, caption, captionRect, pressed, disabled);

    if (focused && (!m_flat || m_focusWhenFlat)) {
        CRect focusRect = rect;
        focusRect.DeflateRect(3, 3);
        pDC->DrawFocusRect(focusRect);
    }
}

void CIconButton::DrawBorder(CDC* pDC, const CRect& rect, BOOL pressed) const {
    if (m_flat) {
        if (pressed && m_hoverFrame)
            pDC->Draw3dRect(rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        else if (!pressed && m_hover && m_hoverFrame)
            pDC->Draw3dRect(rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    if (pressed) {
        CBrush shadow(GetSysColor(COLOR_BTNSHADOW));
        pDC->FrameRect(rect, &shadow);
        return;
    }
    // The raised classic border: two light lines top-left, two dark ones
    // bottom-right, each polyline ending short of its last point.
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    CPen highlight(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen light(PS_SOLID, 1, GetSysColor(COLOR_3DLIGHT));
    CPen darkShadow(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* oldPen = pDC->SelectObject(&highlight);
    pDC->MoveTo(l, b - 1);
    pDC->LineTo(l, t);
    pDC->LineTo(r, t);
    pDC->SelectObject(&light);
    pDC->MoveTo(l + 1, b - 1);
    pDC->LineTo(l + 1, t + 1);
    pDC->LineTo(r, t + 1);
    pDC->SelectObject(&darkShadow);
    pDC->MoveTo(l, b - 1);
    pDC->LineTo(r - 1, b - 1);
    pDC->LineTo(r - 1, t - 1);
    pDC->SelectObject(&shadow);
    pDC->MoveTo(l + 1, b - 2);
    pDC->LineTo(r - 2, b - 2);
    pDC->LineTo(r - 2, t);
    pDC->SelectObject(oldPen);
}

void CIconButton::DrawCaption(CDC* pDC, const std::string& caption, CRect rect, BOOL pressed,
                              BOOL disabled) const {
    if (pressed)
        rect.OffsetRect(1, 1);
    const BOOL highlighted = m_hover || pressed;
    pDC->SetTextColor(highlighted ? m_hoverText : m_normalText);
    pDC->SetBkColor(highlighted ? m_hoverBack : m_normalBack);

    // Centre the text in the caption rectangle.
    const CRect area = rect;
    pDC->DrawText(caption.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    rect.OffsetRect((area.Width() - rect.Width()) / 2, (area.Height() - rect.Height()) / 2);

    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawState(rect.TopLeft(), rect.Size(), caption.c_str(),
                   DST_PREFIXTEXT | (disabled ? DSS_DISABLED : DSS_NORMAL), TRUE, 0);
}

void CIconButton::PlaceAndDrawIcon(CDC* pDC, const std::string& caption, const CRect& item,
                                   CRect* captionRect, BOOL pressed, BOOL disabled) {
    CRect icon = item;
    const int cx = m_iconWidth;
    const int cy = m_iconHeight;
    const int centredLeft = (icon.right - cx - icon.left) / 2;
    const int centredTop = (icon.bottom - cy - icon.top) / 2;
    const bool hasCaption = !caption.empty();

    switch (m_iconAlign) {
    case ICON_LEFT:
        if (hasCaption) {
            icon.left += kIconMargin;
            captionRect->left += cx + kIconMargin;
        } else {
            icon.left += centredLeft;
        }
        icon.top += centredTop;
        break;
    case ICON_ABOVE:
        icon.left += centredLeft;
        if (hasCaption)
            captionRect->top += cy;
        else
            icon.top += centredTop;
        break;
    case ICON_RIGHT:
        if (hasCaption) {
            captionRect->right -= cx + kIconMargin + captionRect->left;
            captionRect->left = kIconMargin;
            CRect client;
            GetClientRect(&client);
            icon.left = client.right - cx - kIconMargin;
            icon.top += centredTop;
        } else {
            icon.left += centredLeft;
        }
        break;
    default:
        break;
    }

    if (pressed)
        icon.OffsetRect(1, 1);
    const HICON shown = (m_hover || pressed) ? m_hoverIcon : m_normalIcon;
    pDC->DrawState(icon.TopLeft(), CSize(icon.right - icon.left, icon.bottom - icon.top), shown,
                   DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
}

void CIconButton::CopyParentBackground(CDC* pDC) {
    CWnd* parent = GetParent();
    if (parent == nullptr)
        return;
    CClientDC parentDC(parent);
    CRect client;
    GetClientRect(&client);
    CRect window;
    GetWindowRect(&window);
    parent->ScreenToClient(&window);

    if (m_backDC.GetSafeHdc() == nullptr) {
        m_backDC.CreateCompatibleDC(&parentDC);
        m_backBitmap.CreateCompatibleBitmap(&parentDC, client.Width(), client.Height());
        m_prevBackBitmap = m_backDC.SelectObject(&m_backBitmap);
        m_backDC.BitBlt(0, 0, client.Width(), client.Height(), &parentDC, window.left, window.top,
                        SRCCOPY);
    }
    pDC->BitBlt(0, 0, client.Width(), client.Height(), &m_backDC, 0, 0, SRCCOPY);
}

void CIconButton::DropBackground() {
    if (m_backDC.GetSafeHdc() != nullptr)
        m_backDC.SelectObject(m_prevBackBitmap);
    m_prevBackBitmap = nullptr;
    m_backDC.DeleteDC();
    m_backBitmap.DeleteObject();
}
