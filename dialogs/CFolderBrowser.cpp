#include "dialogs/CFolderBrowser.h"

#include "framework/desktop/DesktopServices.h"
#include "framework/desktop/FolderChooserWindow.h"
#include "res/Resource.h"

namespace {
constexpr size_t kShownLength = 35;
}

CFolderBrowser::CFolderBrowser(const char* initialPath)
    : m_initialPath(initialPath ? initialPath : "") {}

CFolderBrowser::~CFolderBrowser() = default;

INT_PTR CFolderBrowser::DoModal() {
    m_path = m_initialPath;
    const FolderChooserEvents events{
        [this](FolderChooserWindow& window) {
            BrowseCallback(window, BFFM_INITIALIZED, std::string(), this);
        },
        [this](FolderChooserWindow& window, const std::string& path) {
            BrowseCallback(window, BFFM_SELCHANGED, path, this);
        },
        [] { DesktopServices::Current().ShowHelp(HELP_FOLDER_PICKER); },
    };
    const std::optional<std::string> chosen = DesktopServices::Current().ChooseFolder(events);
    m_hDialog = nullptr;
    // An empty answer names no folder in the file system: not a choice.
    if (!chosen || chosen->empty())
        return IDCANCEL;
    m_pathBuffer = *chosen;
    m_path = m_pathBuffer;
    return IDOK;
}

std::string CFolderBrowser::ShortenPath(const std::string& text) {
    if (text.size() <= kShownLength)
        return text;
    // A UTF-8 character that the cut would split is left out whole: half a
    // character would make the whole line unreadable on screen.
    size_t cut = kShownLength;
    size_t start = cut;
    auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    while (start > 0 && cut - start < 3 && byte(start) >= 0x80 && byte(start) < 0xC0)
        --start;
    if (start < cut && byte(start) >= 0xC0)
        cut = start;
    return text.substr(0, cut) + "...";
}

int CFolderBrowser::BrowseCallback(FolderChooserWindow& window, UINT message,
                                   const std::string& path, CFolderBrowser* data) {
    data->OnBrowseMessage(window, message, path);
    return 0;
}

void CFolderBrowser::OnInitialized() {
    SetSelection(m_initialPath);
    SetStatusText(ShortenPath(m_initialPath));
}

void CFolderBrowser::OnSelChanged(const std::string& path) {
    m_pathBuffer = path;
    m_path = m_pathBuffer;
    SetStatusText(ShortenPath(m_path));
}

void CFolderBrowser::OnBrowseMessage(FolderChooserWindow& window, UINT message,
                                     const std::string& path) {
    m_hDialog = &window;
    if (message == BFFM_INITIALIZED)
        OnInitialized();
    else if (message == BFFM_SELCHANGED)
        OnSelChanged(path);
}

void CFolderBrowser::SetSelection(const std::string& path) {
    if (m_hDialog != nullptr)
        m_hDialog->SetSelection(path);
}

void CFolderBrowser::SetStatusText(const std::string& text) {
    if (m_hDialog != nullptr)
        m_hDialog->SetStatusText(text);
}
