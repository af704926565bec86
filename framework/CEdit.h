#pragma once

#include "CWnd.h"

// A single-line edit control.
class CEdit : public CWnd {
public:
    // EM_LIMITTEXT: the user cannot bring the text beyond nMax characters (0:
    // no limit); text set by the program is not cut.
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    // Selects characters nStartChar up to nEndChar; (0, -1) selects all,
    // (-1, ...) removes the selection.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
};
