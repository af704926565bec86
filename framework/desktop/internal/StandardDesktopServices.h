#pragma once

#include "DesktopServices.h"

// The desktop services of a Linux desktop: the framework's own folder
// chooser, and xdg-open for files.
class StandardDesktopServices : public DesktopServices {
public:
    std::optional<std::string> ChooseFolder(const FolderChooserEvents& events) override;
    bool StartEditor(const std::string& path) override;
};
