#pragma once

#include "framework/types/WinDefs.h"

#include <memory>

class CWinApp;
class ProfileFile;

// Gathers the profile calls that the application object gets while it
// lives: the reads come from one reading of the profile file, and the
// writes wait for Save, which saves them together in one replacement of the
// file, so that another process sees all of them or none. Writes that were
// not saved are dropped with the batch. One batch at a time.
class ProfileBatch {
public:
    // Throws std::logic_error while another batch of `app` is open.
    explicit ProfileBatch(CWinApp& app);
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    // FALSE when the writes could not be saved: then none of them is.
    BOOL Save();

private:
    CWinApp& m_app;
    std::unique_ptr<ProfileFile> m_file;
};
