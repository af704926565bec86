#pragma once

#include "framework/desktop/DesktopServices.h"

#include <QPointer>

class HelpWindow;

// The desktop services of a Linux desktop: the framework's own folder
// chooser and help window, and xdg-open for files and links.
class StandardDesktopServices : public DesktopServices {
public:
    std::optional<std::string> ChooseFolder(const FolderChooserEvents& events) override;
    bool StartEditor(const std::string& path) override;
    // xdg-open with the link as its one argument; an address without a
    // scheme that starts with "www." (in any case) gets "http://" first.
    bool OpenLink(const std::string& link) override;
    void ShowHelp(const std::string& topic) override;
    void CloseHelp() override;

private:
    // The help window while it is open.
    QPointer<HelpWindow> m_help;
};
