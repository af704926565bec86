#pragma once

#include "framework/desktop/DesktopServices.h"
#include "framework/desktop/FolderChooserWindow.h"
#include "tests/support/WaitUntil.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Desktop services for tests. The folder chooser plays a user: it opens
// (reporting "initialized"), moves the selection through `moves` one by one
// and then confirms the folder selected last, or cancels. What it is asked
// to do is logged as "select PATH" and "status TEXT". Like the real chooser,
// it reports selecting a non-empty path as a selection change, and selects
// `home` (when set) if "initialized" selected nothing; with `helpInChooser` it
// presses F1 once after opening. The help records each topic it is asked to
// show and each closing. The editor records the
// paths it is given. Links are recorded with the thread that asked, from any
// thread; while links are held, each call waits until they are released (or
// the tests' deadline passes), so that a test can see a call in progress. The
// fake waits for the calls in progress when it goes.
class FakeDesktop : public DesktopServices, public FolderChooserWindow {
public:
    std::vector<std::string> moves;
    bool confirm = true;
    std::string home;
    // Overrides the answer of a confirming chooser when set.
    std::optional<std::string> answer;
    bool editorStarts = true;
    bool helpInChooser = false;

    std::vector<std::string> log;
    std::vector<std::string> editorPaths;
    int chooserRuns = 0;
    std::vector<std::string> helpTopics;
    int helpCloses = 0;

    struct LinkCall {
        std::string link;
        std::thread::id thread;
        bool finished = false;
    };
    // What OpenLink answers; set it before the calls.
    bool linksOpen = true;

    ~FakeDesktop() override {
        ReleaseLinks();
        WaitUntil([this] { return Finished() == Links().size(); });
    }

    std::optional<std::string> ChooseFolder(const FolderChooserEvents& events) override {
        ++chooserRuns;
        m_events = &events;
        m_selected.clear();
        if (events.initialized)
            events.initialized(*this);
        if (m_selected.empty() && !home.empty())
            Select(home);
        if (helpInChooser && events.help)
            events.help();
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

    bool OpenLink(const std::string& link) override {
        std::unique_lock lock(m_linkMutex);
        const size_t call = m_links.size();
        m_links.push_back({link, std::this_thread::get_id()});
        m_linkChange.wait_for(lock, kTestDeadline, [this] { return !m_holdLinks; });
        m_links[call].finished = true;
        return linksOpen;
    }

    void ShowHelp(const std::string& topic) override { helpTopics.push_back(topic); }
    void CloseHelp() override { ++helpCloses; }

    std::vector<LinkCall> Links() const {
        const std::lock_guard lock(m_linkMutex);
        return m_links;
    }
    size_t Finished() const {
        const std::lock_guard lock(m_linkMutex);
        return static_cast<size_t>(std::count_if(m_links.begin(), m_links.end(),
                                                 [](const LinkCall& c) { return c.finished; }));
    }
    void HoldLinks() {
        const std::lock_guard lock(m_linkMutex);
        m_holdLinks = true;
    }
    void ReleaseLinks() {
        {
            const std::lock_guard lock(m_linkMutex);
            m_holdLinks = false;
        }
        m_linkChange.notify_all();
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
    mutable std::mutex m_linkMutex;
    std::condition_variable m_linkChange;
    bool m_holdLinks = false;
    std::vector<LinkCall> m_links;
    Override m_installed{*this};
};
