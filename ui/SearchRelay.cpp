#include "SearchRelay.h"

#include "CBackgroundWork.h"

SearchRelay::SearchRelay(CBackgroundWork& work, std::function<void()> showOpenError)
    : m_work(work), m_showOpenError(std::move(showOpenError)) {}

std::string SearchRelay::LatestFolder() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_latestFolder;
}

void SearchRelay::OnFolderEntered(const std::string& path) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_latestFolder = path;
}

void SearchRelay::OnOpenError(const std::string&) {
    m_work.Call(m_showOpenError);
}
