#include "StandardDesktopServices.h"

#include "DetachedProcess.h"
#include "FolderChooserDialog.h"

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
