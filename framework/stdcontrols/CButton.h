#pragma once

#include "framework/stdcontrols/DrawItemStruct.h"
#include "framework/window/CWnd.h"

// A button control: push button, check box or group box. Once its type is
// BS_OWNERDRAW the widget paints nothing itself: every paint calls DrawItem
// with a device context on the button, rcItem = its client rectangle and
// itemState ODS_SELECTED while pressed, ODS_FOCUS with the focus and
// ODS_DISABLED when disabled. An owner-drawn button notifies
// BN_DOUBLECLICKED for a double click, unless DefWindowProc turns the
// WM_LBUTTONDBLCLK into a WM_LBUTTONDOWN (a second press, hence a second
// BN_CLICKED).
class CButton : public CWnd {
public:
    // The low byte of the style.
    UINT GetButtonStyle() const;
    // BM_SETSTYLE: replaces the button's type (the BS_TYPEMASK bits) with
    // that of nStyle; repaints when bRedraw.
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);

    // BST_CHECKED or BST_UNCHECKED.
    int GetCheck() const;
    void SetCheck(int nCheck);
    // The check state with BST_PUSHED while pressed and BST_FOCUS with the
    // focus.
    UINT GetState() const;

    // Paints an owner-drawn button; the base paints nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
};
