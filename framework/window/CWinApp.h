#pragma once

#include "CCmdTarget.h"
#include "WinDefs.h"

#include <string>

class CWnd;

// The application object: exactly one exists at a time (usually a global of
// a class derived from this one). AfxWinMain runs it. Commands that a dialog
// does not handle reach its command map.
class CWinApp : public CCmdTarget {
public:
    // A null name gives the executable's base name (its file name without
    // the extension). Throws std::logic_error while another application
    // object exists.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    // Called once by AfxWinMain. TRUE runs the event loop until the
    // application quits; FALSE ends the program. The base returns TRUE.
    virtual BOOL InitInstance();
    // Called when the program ends; its result is the exit code. The base
    // returns 0.
    virtual int ExitInstance();

    const char* m_pszAppName;
    CWnd* m_pMainWnd = nullptr;

private:
    std::string m_appName;
};

// The application object, or null.
CWinApp* AfxGetApp();
// The application's main window, or null.
CWnd* AfxGetMainWnd();
// Runs the application object: makes the QApplication unless one exists,
// calls InitInstance and, when it returns TRUE, the event loop; then
// ExitInstance, whose result it returns. -1 without an application object.
int AfxWinMain(int argc, char** argv);
