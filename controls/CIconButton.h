#pragma once

#include "framework/paint/CBitmap.h"
#include "framework/paint/CDC.h"
#include "framework/paint/Cursors.h"
#include "framework/stdcontrols/CButton.h"
#include "framework/stdcontrols/CToolTipCtrl.h"

#include <string>

// The push button of every dialog: owner-drawn, with an icon beside its
// caption, a hover state while the pointer is over it, its own tooltip and
// four colours (background and caption, each normal and hovered). Attach it
// to a template push button (DDX_Control); it turns the button owner-drawn
// and paints everything itself from then on.
class CIconButton : public CButton {
public:
    enum IconAlign { ICON_LEFT = 0, ICON_ABOVE = 1, ICON_RIGHT = 2 };

    CIconButton();
    ~CIconButton() override;

    // Loads icon resources at their natural size and attaches them; a normal
    // id of 0 shows the hover icon in both states.
    void LoadIcons(UINT hoverIconId, UINT normalIconId = 0);
    // Takes ownership of the icons (freeing those held so far), measures the
    // hover icon and repaints at once. A null normal icon means the hover one.
    void AttachIcons(HICON hoverIcon, HICON normalIcon = nullptr);
    // Sets the tooltip's text and (de)activates it; a null text does nothing.
    void SetTipText(const char* text, BOOL activate = TRUE);

    void SetNormalBackColor(COLORREF color, BOOL repaint = TRUE);
    void SetNormalTextColor(COLORREF color, BOOL repaint = TRUE);
    void SetHoverBackColor(COLORREF color, BOOL repaint = TRUE);
    void SetHoverTextColor(COLORREF color, BOOL repaint = TRUE);
    // Back to the system's button face and button text colours.
    void ResetNormalBackColor(BOOL repaint = TRUE);
    void ResetNormalTextColor(BOOL repaint = TRUE);
    void ResetHoverBackColor(BOOL repaint = TRUE);
    void ResetHoverTextColor(BOOL repaint = TRUE);
    COLORREF GetNormalBackColor() const { return m_normalBack; }
    COLORREF GetNormalTextColor() const { return m_normalText; }
    COLORREF GetHoverBackColor() const { return m_hoverBack; }
    COLORREF GetHoverTextColor() const { return m_hoverText; }

    // Whether the template made the button the default push button.
    BOOL IsDefaultButton() const { return m_isDefault; }
    // Whether the pointer is over the button (hover state).
    BOOL IsHovered() const { return m_hover; }
    // The extent of the hover icon, each kept in 8 bits.
    BYTE GetIconWidth() const { return m_iconWidth; }
    BYTE GetIconHeight() const { return m_iconHeight; }
    // The tooltip; it has no window until the first message or SetTipText.
    const CToolTipCtrl& GetToolTip() const { return m_tip; }

    // Settings the dialogs leave at their defaults; each repaints.
    void SetIconAlign(IconAlign align);
    void SetShowCaption(BOOL show);
    void SetHoverFrame(BOOL frame);
    // FALSE gives the classic 3-D button without hover tracking.
    void SetFlat(BOOL flat);
    void SetFocusWhenFlat(BOOL focus);
    // Paints the parent's background instead of the background colour.
    void SetTransparent(BOOL transparent);
    // The cursor shown over the button (null: the default); the button takes
    // ownership and frees the one it held.
    void SetButtonCursor(HCURSOR cursor);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnMouseLeave() override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnSysColorChange() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;

private:
    void EnsureTip();
    void PlaceAndDrawIcon(CDC* pDC, const std::string& caption, const CRect& item,
                          CRect* captionRect, BOOL pressed, BOOL disabled);
    void CopyParentBackground(CDC* pDC);
    void DrawBorder(CDC* pDC, const CRect& rect, BOOL pressed) const;
    void DrawCaption(CDC* pDC, const std::string& caption, CRect rect, BOOL pressed,
                     BOOL disabled) const;
    void DestroyIcons();
    void DropBackground();
    void SetHover(BOOL hover);
    void Repaint(BOOL repaint);

    int m_iconAlign = ICON_LEFT;
    BOOL m_showCaption = TRUE;
    BOOL m_hoverFrame = TRUE;
    BOOL m_flat = TRUE;
    BOOL m_hover = FALSE;
    BOOL m_focusWhenFlat = FALSE;
    HCURSOR m_cursor = nullptr;
    CToolTipCtrl m_tip;
    HICON m_hoverIcon = nullptr;
    HICON m_normalIcon = nullptr;
    BYTE m_iconHeight = 0;
    BYTE m_iconWidth = 0;
    CDC m_backDC;
    CBitmap m_backBitmap;
    HBITMAP m_prevBackBitmap = nullptr;
    BOOL m_transparent = FALSE;
    BOOL m_isDefault = FALSE;
    COLORREF m_normalBack = 0;
    COLORREF m_normalText = 0;
    COLORREF m_hoverBack = 0;
    COLORREF m_hoverText = 0;
};
