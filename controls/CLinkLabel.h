#pragma once

#include "framework/paint/CFont.h"
#include "framework/paint/Cursors.h"
#include "framework/stdcontrols/CStatic.h"

// Asks a link label to make its link font (posted to itself when attached).
constexpr UINT WM_LINK_MAKEFONT = WM_APP + 1;

// A static text control that is a link: its text is at the same time what it
// shows and what it opens, a web or "mailto:" address. Attach it to a
// template static (DDX_Control). Once the dialog has finished its
// initialisation the label shows its text in a bold, underlined variant of
// the control's font; over a non-empty text the pointer becomes the link
// cursor, and a left click hands the exact text to the desktop's "open"
// service on a short-lived worker thread, without waiting for it. The text
// keeps the ordinary static text colour. A label whose static is a tab stop
// is reached with Tab; Space or Enter then opens it as a click does (Enter
// does not press the dialog's default button).
class CLinkLabel : public CStatic {
public:
    CLinkLabel() = default;
    // Puts the previous font back if the window is still there, then deletes
    // the link font.
    ~CLinkLabel() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Posts WM_LINK_MAKEFONT, so that the font is made only when the dialog's
    // message loop runs, after its initialisation.
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Puts the previous font back (without repainting) before the window goes.
    void OnDestroy() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

private:
    LRESULT OnMakeFont(WPARAM wParam, LPARAM lParam);
    // Hands the text, if any, to the desktop's "open" service.
    void Open();
    void RestoreFont();

    CFont m_linkFont;
    // The control's font before the link font; not owned.
    CFont* m_prevFont = nullptr;
    // Loaded when first shown; owned.
    HCURSOR m_cursor = nullptr;
};
