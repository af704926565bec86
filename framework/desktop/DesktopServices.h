#pragma once

#include "framework/desktop/FolderChooserEvents.h"

#include <optional>
#include <string>

// The services of the desktop that stand in for the Windows shell. All of
// them pass through one process-wide instance, which tests replace with an
// Override so that no window blocks them and no outside program starts.
// Current and Override belong to the user-interface thread; a worker thread
// may call a service it was handed.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Runs the folder chooser modally. Returns the chosen folder's path in
    // bytes, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFolder(const FolderChooserEvents& events) = 0;
    // Opens the file at `path` (exact bytes) in the desktop's default
    // application for it, without waiting. False when it could not start.
    virtual bool StartEditor(const std::string& path) = 0;
    // Opens a link as the Windows shell's "open" does: a web address in the
    // browser, a "mailto:" address in the mail program; an address without
    // a scheme that starts with "www." is a web address. Never waits for
    // the program. False when it could not start. Safe to call from any
    // thread.
    virtual bool OpenLink(const std::string& link) = 0;
    // Shows the program's manual, the Qt resource ":/help/manual.html", in
    // the help window at `topic`, one of the manual's anchors (at its
    // beginning when empty or not found), and brings the window to the
    // front. There is one help window at a time; a modal dialog never
    // blocks it.
    virtual void ShowHelp(const std::string& topic) = 0;
    // Closes the help window, if one is open.
    virtual void CloseHelp() = 0;

    // The services in use: the installed override, else the standard ones.
    static DesktopServices& Current();

    // Installs `services` for its lifetime, then restores the previous ones.
    class Override {
    public:
        explicit Override(DesktopServices& services);
        ~Override();
        Override(const Override&) = delete;
        Override& operator=(const Override&) = delete;

    private:
        DesktopServices* m_previous;
    };

private:
    static DesktopServices* s_installed;
};
