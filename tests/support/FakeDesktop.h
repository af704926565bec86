#pragma once

#include "DesktopServices.h"
#include "FolderChooserWindow.h"

#include <optional>
#include <string>
#include <vector>

// Desktop services for tests. The folder chooser plays a user: it opens
// (reporting "initialized"), moves the selection through `moves` one by one
// and then confirms the folder selected last, or cancels. What it is asked
// to do is logged as "select PATH" and "status TEXT". Like the real chooser,
// it reports selecting a non-empty path as a selection change, and selects
// `home` (when set) if "initialized" selected nothing. The editor records the
// paths it is given.
class FakeDesktop : public DesktopServices, public FolderChooserWindow {
public:
    std::vector<std::string> moves;
    bool confirm = true;
    std::string home;
    // Overrides the answer of a confirming chooser when set.
    std::optional<std::string> answer;
    bool editorStarts = true;

    std::vector<std::string> log;
    std::vector<std::string> editorPaths;
    int chooserRuns = 0;

    std::optional<std::string> ChooseFolder(const FolderChooserEvents& events) override {
        ++chooserRuns;
        m_events = &events;
        m_selected.clear();
        if (events.initialized)
            events.initialized(*this);
        if (m_selected.empty() && !home.empty())
            Select(home);
        for (const std::string& path : moves)
            Select(path);
        m_events = nullptr;
        if (!confirm)
            return std::nullopt;
        return answer ? *answer : m_selected;
    }

    bool StartEditor(const std::string& path) override {
        editorPaths.push_back(path);
        return editorStarts;
    }

    void SetSelection(const std::string& path) override {
        log.push_back("select " + path);
        if (!path.empty())
            Select(path);
    }

    void SetStatusText(const std::string& text) override { log.push_back("status " + text); }

private:
    void Select(const std::string& path) {
        m_selected = path;
        if (m_events && m_events->selectionChanged)
            m_events->selectionChanged(*this, path);
    }

    const FolderChooserEvents* m_events = nullptr;
    std::string m_selected;
    Override m_installed{*this};
};
