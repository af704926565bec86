#include "ui/SearchRelay.h"

#include "framework/window/CBackgroundWork.h"

SearchRelay::SearchRelay(CBackgroundWork& work, std::function<void()> showOpenError)
    : m_work(work), m_showOpenError(std::move(showOpenError)) {}

std::string SearchRelay::LatestFolder() const {
    m_asked = true;
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_latestFolder;
}

void SearchRelay::OnFolderEntered(const std::string& path) {
    m_entered = &path;
    m_fresh = true;
    if (m_asked.exchange(false))
        PassOn();
}

void SearchRelay::OnOpenError(const std::string&, int) {
    OnWaiting();
    m_work.Call(m_showOpenError);
}

void SearchRelay::OnWaiting() {
    if (m_fresh)
        PassOn();
}

void SearchRelay::PassOn() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_latestFolder = *m_entered;
    m_fresh = false;
}
