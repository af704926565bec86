#pragma once

#include "framework/types/WinDefs.h"

// What the command line asks of the program, filled by
// CWinApp::ParseCommandLine one argument at a time. Only the switches
// "Embedding" and "Automation" count: the program was started by another
// program, so it shows no start-up window of its own (m_bShowSplash FALSE).
// File names and every other switch are left alone.
class CCommandLineInfo {
public:
    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;

    // One argument: `pszParam` is the argument without its leading "/" or
    // "-" when `bFlag`; `bLast` is TRUE for the last one. Switch names are
    // compared without regard to ASCII letter case.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
};
