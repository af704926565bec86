#include "framework/desktop/internal/StandardDesktopServices.h"

#include "framework/desktop/internal/DetachedProcess.h"
#include "framework/desktop/internal/FolderChooserDialog.h"
#include "framework/desktop/internal/HelpWindow.h"

#include <cctype>
#include <string_view>

namespace {
constexpr const char* kManual = "qrc:/help/manual.html";

// Whether the link starts with "www." in any letter case.
bool StartsWithWww(const std::string& link) {
    constexpr std::string_view kPrefix = "www.";
    if (link.size() < kPrefix.size())
        return false;
    for (size_t i = 0; i < kPrefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(link[i])) != kPrefix[i])
            return false;
    return true;
}
} // namespace

std::optional<std::string>
StandardDesktopServices::ChooseFolder(const FolderChooserEvents& events) {
    FolderChooserDialog dialog(events);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.SelectedPath();
}

bool StandardDesktopServices::StartEditor(const std::string& path) {
    return DetachedProcess::Start({"xdg-open", path});
}

bool StandardDesktopServices::OpenLink(const std::string& link) {
    // The Windows shell takes such an address for a web page too.
    return DetachedProcess::Start({"xdg-open", StartsWithWww(link) ? "http://" + link : link});
}

void StandardDesktopServices::ShowHelp(const std::string& topic) {
    if (m_help == nullptr)
        m_help = new HelpWindow(QUrl(kManual));
    m_help->ShowTopic(topic);
}

void StandardDesktopServices::CloseHelp() {
    delete m_help;
}
