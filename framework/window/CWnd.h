#pragma once

#include "framework/types/CPoint.h"
#include "framework/types/CRect.h"
#include "framework/types/WinDefs.h"
#include "framework/types/WinMessages.h"
#include "framework/types/WinStyles.h"
#include "framework/window/CCmdTarget.h"

#include <string>

class CFont;

using LPRECT = CRect*;
using LPCRECT = const CRect*;

// A window: the framework's object for one widget. Windows come from dialog
// templates (CDialog builds them); an object is attached to a template
// control with SubclassDlgItem (DDX_Control does it) and from then on gets
// the widget's events as messages through its virtual handlers, which
// default to the widget's own behaviour (Default / DefWindowProc). A widget
// without an attached object has an object of its control's class standing
// in for it (FromHandle, GetDlgItem) as long as the widget lives.
//
// Text is bytes: a window keeps the exact bytes it was given and returns
// them as long as the user has not edited it. Everything runs on the
// user-interface thread.
class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    // The widget; null before the window exists and after it is gone.
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to `hWnd`, else its stand-in; null for null.
    static CWnd* FromHandle(HWND hWnd);

    // Attaches this object to an existing widget (one object per widget),
    // then calls PreSubclassWindow. FALSE when this object already has a
    // window or the widget already has an object.
    BOOL SubclassWindow(HWND hWnd);
    // Attaches this object to control `nID` of `pParent`.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Detaches; the widget stays. Returns it.
    HWND UnsubclassWindow();

    int GetDlgCtrlID() const;
    // A control of this window's client area by id; null when there is none.
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetParent() const;

    void SetWindowText(const std::string& text);
    void GetWindowText(std::string& text) const;

    // Both return whether the window was disabled before.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    // SW_HIDE hides, anything else shows; returns whether it was visible.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;

    // Painting is requested (Invalidate) or done at once (UpdateWindow paints
    // the client area with its controls before returning, for feedback while
    // a long command runs). The erase flags have no effect: a widget always
    // paints its background.
    void Invalidate(BOOL bErase = TRUE);
    void UpdateWindow();
    // RDW_INVALIDATE requests painting; RDW_UPDATENOW paints at once.
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // The client area: (0, 0) to its size.
    void GetClientRect(LPRECT lpRect) const;
    // The window with its frame, in screen coordinates.
    void GetWindowRect(LPRECT lpRect) const;
    void ScreenToClient(CPoint* lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;

    // Returns the window that had the focus.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    // The active window of this application; null while another
    // application is active.
    static CWnd* GetActiveWindow();

    // The style includes WS_VISIBLE and WS_DISABLED as they are now.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // TRUE when the style changed. The widget follows WS_VISIBLE,
    // WS_DISABLED, WS_TABSTOP and its control's own styles.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // The font the window draws its text with; the caller keeps it alive
    // while the window uses it. Null gives the parent's font back.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    // The font set last, or one standing for the widget's own font.
    CFont* GetFont() const;

    // The icon of the window's title bar and task bar entry (the last one
    // set shows); the caller keeps ownership. Returns the icon of that size
    // set before.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // Starts (or restarts) timer `nIDEvent`: OnTimer every nElapse
    // milliseconds (at least 10) until KillTimer or the window goes.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Runs WindowProc now / once the event loop runs again (if the window
    // still exists then).
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Sends WM_DESTROY to the window and to every attached window in it,
    // detaches them and deletes the widgets. Not to be called from a handler
    // of the window's own events.
    virtual BOOL DestroyWindow();
    // Sees mouse and key messages of this window and of the windows in it
    // before they are handled; TRUE swallows the message. The base passes.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // Called once the object is attached to its widget.
    virtual void PreSubclassWindow();
    // Every message of the window passes here and on to the handlers below;
    // messages without a handler go to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The widget's own behaviour for a message (see WndRecord).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc for the message being handled.
    LRESULT Default();

    // WM_COMMAND: wParam holds the id (low word) and the notification code
    // (high word). The base runs the command map.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    // Handlers; the base of each runs Default() unless stated.
    virtual void OnDestroy();                // base: nothing
    virtual void OnTimer(UINT_PTR nIDEvent); // base: nothing
    virtual void OnPaint();
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnMouseLeave();
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnSetFocus(CWnd* pOldWnd); // pOldWnd: null (not known)
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnSysColorChange(); // the palette of the widget changed
    // WM_CTLCOLORSTATIC: static `pWnd` (nCtlColor CTLCOLOR_STATIC) is about
    // to paint with `pDC`, whose text colour the handler may change. Returns
    // the brush that fills the static's background; the base returns null:
    // the static paints no background, so its parent's shows, as a dialog's
    // default colours would paint it.
    virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // Before each WM_MOUSEMOVE, with HTCLIENT and WM_MOUSEMOVE. TRUE: the
    // handler has set the cursor. The base returns FALSE.
    virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    // The widget of the client area: m_hWnd, except for a dialog, whose
    // controls sit in a client widget below its menu bar.
    HWND m_hWndClient = nullptr;
    HWND ClientHandle() const { return m_hWndClient ? m_hWndClient : m_hWnd; }

private:
    friend class CClientDC;
    friend class CPaintDC;
    friend class WndRecord;
};
