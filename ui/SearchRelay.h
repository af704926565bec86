#pragma once

#include "engine/SearchObserver.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

class CBackgroundWork;

// Carries a search's reports from the searching thread to the dialog: the
// folder entered last, which the dialog reads on its own timer, and each file
// that cannot be opened, reported on the dialog's thread while the search
// waits, so the reports keep their order.
//
// A folder's path is copied only when the dialog has asked for one since the
// last copy, or before the search waits or scans a file, so a deep tree costs
// a path per look of the dialog, not one per folder.
class SearchRelay : public SearchObserver {
public:
    SearchRelay(CBackgroundWork& work, std::function<void()> showOpenError);

    // The folder entered last as passed on; asks for the next one.
    std::string LatestFolder() const;

    void OnFolderEntered(const std::string& path) override;
    void OnOpenError(const std::string& path, int error) override;
    void OnWaiting() override;

private:
    void PassOn();

    CBackgroundWork& m_work;
    std::function<void()> m_showOpenError;
    // The searching thread's own: the path of the folder entered last (valid
    // until the next one), and whether it is newer than m_latestFolder.
    const std::string* m_entered = nullptr;
    bool m_fresh = false;
    mutable std::atomic<bool> m_asked{true};
    mutable std::mutex m_mutex;
    std::string m_latestFolder; // guarded by m_mutex
};
