#pragma once

#include "framework/types/WinDefs.h"
#include "framework/window/CCmdTarget.h"

#include <memory>
#include <string>
#include <vector>

class CCommandLineInfo;
class CWnd;
class ProfileFile;

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

    // The profile: named values in sections, kept per user in the INI file
    // $XDG_CONFIG_HOME/<registry key levels>/<profile name>.ini (~/.config
    // when the variable is unset, empty or relative), one INI section per
    // section. An absent value reads as the caller's default; an empty
    // string is a present value; a value is bytes, read and written back as
    // stored, UTF-8 or not. Before SetRegistryKey there is no profile: reads
    // give the defaults, writes fail. A profile file that does not read as
    // INI, or is larger than 1 MiB, reads as empty and is never written
    // over. Each write is saved at once in one replacement of the file,
    // unless a ProfileBatch gathers it.
    std::string GetProfileString(const char* lpszSection, const char* lpszEntry,
                                 const char* lpszDefault = nullptr);
    // A decimal number with an optional sign, its low 32 bits kept
    // ("4294967295" and "-1" both read as 0xFFFFFFFF); any other text, or
    // none, reads as `nDefault`.
    UINT GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault);
    // A null value removes the entry; a null entry removes the section.
    BOOL WriteProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszValue);
    BOOL WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue);

    // Where the program finds files of its own, where Windows programs open
    // them by bare name in the current directory: the folder that was
    // current when the application object was made (empty when it could not
    // be read), and the program's data folder: <prefix>/share/<application
    // name> when installed (the executable in <prefix>/bin), else the
    // executable's folder (a build tree).
    const std::string& GetStartFolder() const { return m_startFolder; }
    std::string GetDataFolder() const;

    const char* m_pszAppName;
    CWnd* m_pMainWnd = nullptr;

protected:
    // Puts the profile under `lpszRegistryKey`, whose levels are separated
    // by backslashes ("Maker\Product" gives the folders Maker/Product), in a
    // file named after the application.
    void SetRegistryKey(const char* lpszRegistryKey);

    // The Help command (ID_HELP; F1 in a dialog sends it too): the program's
    // manual in the help window (DesktopServices::ShowHelp) at the topic of
    // the dialog that holds the focus. The window with the focus and the
    // windows it lies in are asked in turn with WM_COMMANDHELP; when none
    // shows a topic, the main window is asked, and without one either the
    // manual opens at its beginning.
    void OnHelp();

private:
    friend class ProfileBatch;
    friend int AfxWinMain(int argc, char** argv);

    // The profile file of the open batch, else a reading of its own in
    // `own`.
    ProfileFile& Profile(std::unique_ptr<ProfileFile>& own);
    std::string ProfilePath() const;

    std::string m_appName;
    std::string m_startFolder;
    std::string m_registryKey;
    std::string m_profileName;
    // The command line as AfxWinMain received it, the program's name first.
    std::vector<std::string> m_arguments;
    ProfileFile* m_profileBatch = nullptr;
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
