#pragma once

#include "framework/dialog/DialogUnits.h"
#include "framework/types/WinDefs.h"
#include "framework/types/WinMessages.h"
#include "framework/window/CWnd.h"

#include <QPointer>

class CDataExchange;
class DialogWindow;
class QKeyEvent;

// A dialog built from a template of the resource table (see DialogTemplate).
//
// DoModal builds the window, runs OnInitDialog and a modal loop (a nested
// one when called from a handler), then destroys the window; Create builds
// and initialises it without a loop (shown when the template has
// WS_VISIBLE), for tests and modeless use. Commands from controls and the
// menu go to the dialog's command map, then IDOK / IDCANCEL to OnOK /
// OnCancel, then to the application object's map; anything else is dropped.
//
// Keys, as the dialog manager handles them: Enter sends BN_CLICKED of the
// focused push button, else of the default button (the template's
// BS_DEFPUSHBUTTON; disabled: nothing), else of IDOK. An owner-drawn button
// is no push button here, so Enter on it goes to the default. Escape and the
// close box send IDCANCEL (the close box not while a control IDCANCEL is
// disabled). Alt+letter, or the letter alone while the focus is not in an
// edit or a list box, finds the next visible enabled button or static whose
// text marks that letter with "&": a button gets the focus and is clicked, a
// static passes the focus to the next tab stop after it. Alt+letter that no
// control claims opens the menu. F1 sends the Help command (ID_HELP), which
// goes to the application object unless the dialog maps it.
//
// Help: a dialog asked with WM_COMMANDHELP shows its template's help topic
// (DesktopServices::ShowHelp) and answers TRUE; without a topic, FALSE.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the template is
    // missing. Under a ModalHook the hook runs instead of the loop and its
    // result is returned.
    virtual INT_PTR DoModal();
    BOOL Create();
    // Ends the modal loop (or hides a modeless dialog) with `nResult`.
    void EndDialog(int nResult);
    // EndDialog's value since the window was built; -1 before.
    INT_PTR GetModalResult() const { return m_nModalResult; }

    // Runs the data exchange writing members into the controls (which also
    // attaches the DDX_Control members) and returns TRUE: the focus then goes
    // to the first control in tab order that has WS_TABSTOP.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE); on success EndDialog(IDOK).
    virtual void OnOK();
    // EndDialog(IDCANCEL).
    virtual void OnCancel();

    // FALSE: members into controls; TRUE: controls into members, validated
    // in exchange order, stopping at the first failure (after its warning
    // box, with the focus on the failing control). Returns FALSE on failure.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Dialog units of this dialog's font to pixels, each edge on its own.
    void MapDialogRect(LPRECT lpRect) const;
    // Focuses a control as the dialog manager does: an edit gets its whole
    // text selected.
    void GotoDlgCtrl(CWnd* pWndCtrl);

    // The key handling described above; TRUE when the message was used.
    BOOL IsDialogMessage(MSG* pMsg);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, UINT nCode) override;
    BOOL DestroyWindow() override;

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class DialogWindow;

    BOOL BuildWindow();
    void InitDialog();
    DialogUnits Units() const;
    // The focused control of this dialog, or null.
    QWidget* FocusedControl() const;
    int IndexOf(const QWidget* control) const;
    // The control whose mnemonic the key is, or null.
    QWidget* MnemonicTarget(WPARAM key, bool alt, LPARAM modifiers) const;
    // True when another control has the same mnemonic as `target`.
    bool SharesMnemonic(const QWidget* target) const;
    void ActivateMnemonic(QWidget* target);
    void PressDefault();
    // Whether a key is one of the dialog's mnemonics, which then wins over
    // shortcuts such as the menu bar's.
    bool ClaimsKey(const QKeyEvent* event) const;
    // WM_COMMANDHELP.
    BOOL ShowHelpTopic() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    QPointer<DialogWindow> m_window;
    UINT m_defId = 0;
    INT_PTR m_nModalResult = -1;
    bool m_ended = false;
};
