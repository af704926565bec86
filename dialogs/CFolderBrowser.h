#pragma once

#include "framework/types/WinMessages.h"

#include <string>

class FolderChooserWindow;

// The folder picker: runs the desktop's folder chooser ("Current Selection",
// a folder tree and a status line) through DesktopServices, selects the
// initial folder when it opens, follows the selection as the user moves
// through the tree (the status line shows the selected path, shortened) and
// hands back the chosen folder; F1 shows the folder picker's topic of the
// manual. One object serves one browsing.
class CFolderBrowser {
public:
    // A null initial path is taken as the empty path: the chooser then opens
    // with the home folder selected, and the status line shows it.
    explicit CFolderBrowser(const char* initialPath = nullptr);
    virtual ~CFolderBrowser();
    CFolderBrowser(const CFolderBrowser&) = delete;
    CFolderBrowser& operator=(const CFolderBrowser&) = delete;

    // Runs the chooser. IDOK with GetPath() the chosen folder; IDCANCEL when
    // the user cancelled, with GetPath() where the selection was last.
    virtual INT_PTR DoModal();
    std::string GetPath() const { return m_path; }

    // The status line's form of a path: its first 35 bytes and "..." when it
    // is longer (less when the 35th byte is inside a UTF-8 character), else
    // the path unchanged.
    static std::string ShortenPath(const std::string& text);

    // The messages the chooser reports.
    static constexpr UINT BFFM_INITIALIZED = 1;
    static constexpr UINT BFFM_SELCHANGED = 2;

    // Hands a message of the running chooser to the object's dispatcher;
    // always 0. `path` is the new selection for BFFM_SELCHANGED.
    static int BrowseCallback(FolderChooserWindow& window, UINT message, const std::string& path,
                              CFolderBrowser* data);

protected:
    virtual void OnInitialized();
    virtual void OnSelChanged(const std::string& path);
    // Records the window, then dispatches the two known messages; others are
    // ignored.
    virtual void OnBrowseMessage(FolderChooserWindow& window, UINT message,
                                 const std::string& path);

    // Requests of the running chooser; nothing happens when none runs.
    void SetSelection(const std::string& path);
    void SetStatusText(const std::string& text);

private:
    std::string m_initialPath;
    std::string m_path;
    // Each path the chooser reports; empty until the first report.
    std::string m_pathBuffer;
    // The running chooser; null outside DoModal.
    FolderChooserWindow* m_hDialog = nullptr;
};
