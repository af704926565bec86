#pragma once

#include "FolderChooserEvents.h"

#include <optional>
#include <string>

// The services of the desktop that stand in for the Windows shell. All of
// them pass through one process-wide instance, which tests replace with an
// Override so that no window blocks them and no outside program starts.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Runs the folder chooser modally. Returns the chosen folder's path in
    // bytes, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFolder(const FolderChooserEvents& events) = 0;
    // Opens the file at `path` (exact bytes) in the desktop's default
    // application for it, without waiting. False when it could not start.
    virtual bool StartEditor(const std::string& path) = 0;

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
