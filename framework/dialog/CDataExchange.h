#pragma once

#include "framework/types/WinDefs.h"
#include "framework/types/WinMessages.h"

class CWnd;

// One run of a dialog's data exchange (DoDataExchange): the direction, the
// dialog, and the control last prepared, which Fail moves the focus to.
class CDataExchange {
public:
    // Thrown by Fail to end the exchange; UpdateData catches it.
    struct Failure {};

    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // TRUE: controls into members (reading and validating); FALSE: members
    // into controls.
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;
    // Whether the last control prepared is an edit control.
    BOOL m_bEditLastControl = FALSE;

    // The control `nIDC` of the dialog, remembered as the last control.
    // Throws std::logic_error when the dialog has no such control.
    HWND PrepareCtrl(int nIDC);
    // The same, for a control whose text is exchanged.
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange as failed: the focus goes to the last control (an
    // edit gets its whole text selected). Called after the warning is shown.
    [[noreturn]] void Fail();
};
