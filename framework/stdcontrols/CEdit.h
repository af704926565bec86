#pragma once

#include "framework/window/CWnd.h"

// A single-line edit control.
class CEdit : public CWnd {
public:
    // The most characters the user can bring the text to (EM_GETLIMITTEXT);
    // DDV_MaxChars sets it. Text set by the program is not cut.
    UINT GetLimitText() const;
};
