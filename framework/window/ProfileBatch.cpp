#include "framework/window/ProfileBatch.h"

#include "framework/window/CWinApp.h"
#include "framework/window/internal/ProfileFile.h"

#include <stdexcept>

ProfileBatch::ProfileBatch(CWinApp& app) : m_app(app) {
    if (m_app.m_profileBatch != nullptr)
        throw std::logic_error("a second profile batch");
    m_file = std::make_unique<ProfileFile>(m_app.ProfilePath());
    m_app.m_profileBatch = m_file.get();
}

ProfileBatch::~ProfileBatch() {
    m_app.m_profileBatch = nullptr;
}

BOOL ProfileBatch::Save() {
    return m_file->Save() ? TRUE : FALSE;
}
