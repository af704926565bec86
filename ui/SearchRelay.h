#pragma once

#include "SearchObserver.h"

#include <functional>
#include <mutex>
#include <string>

class CBackgroundWork;

// Carries a search's reports from the searching thread to the dialog: the
// folder entered last, which the dialog reads on its own timer, and each file
// that cannot be opened, reported on the dialog's thread while the search
// waits, so the reports keep their order.
class SearchRelay : public SearchObserver {
public:
    SearchRelay(CBackgroundWork& work, std::function<void()> showOpenError);

    std::string LatestFolder() const;

    void OnFolderEntered(const std::string& path) override;
    void OnOpenError(const std::string& path) override;

private:
    CBackgroundWork& m_work;
    std::function<void()> m_showOpenError;
    mutable std::mutex m_mutex;
    std::string m_latestFolder;
};
