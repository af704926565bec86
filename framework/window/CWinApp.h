#pragma once

#include "CCmdTarget.h"
#include "WinDefs.h"

#include <string>
#include <vector>

class CCommandLineInfo;
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

    // Hands each argument after the program's name to `rCmdInfo`, a leading
    // "/" or "-" marking a switch.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    const char* m_pszAppName;
    CWnd* m_pMainWnd = nullptr;

private:
    friend int AfxWinMain(int argc, char** argv);

    std::string m_appName;
    // The command line as AfxWinMain received it, the program's name first.
    std::vector<std::string> m_arguments;
};

// The application object, or null.
CWinApp* AfxGetApp();
// The application's main window, or null.
CWnd* AfxGetMainWnd();
// Runs the application object: makes the QApplication unless one exists,
// calls InitInstance and, when it returns TRUE, the event loop; then
// ExitInstance, whose result it returns. -1 without an application object.
// The command line is the program's (ParseCommandLine): Qt sees only the
// program's name, so that Qt's own options (-style, -reverse, -platform)
// have no effect.
int AfxWinMain(int argc, char** argv);
