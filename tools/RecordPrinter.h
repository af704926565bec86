#pragma once

#include "engine/SearchObserver.h"
#include "tools/OutputStream.h"

#include <atomic>
#include <cstdio>
#include <string>

// What the command prints while a search runs. Each record goes to standard
// output as soon as it is committed and is then freed; the output is flushed
// whenever no further record is ready, and after every record on a terminal.
// Folders entered (when asked for) and files that cannot be opened go to
// standard error. A failed write to standard output stops the search.
class RecordPrinter : public SearchObserver {
public:
    RecordPrinter(OutputStream& out, std::FILE* err, bool progress, std::atomic<bool>& stop);

    void OnFolderEntered(const std::string& path) override;
    void OnOpenError(const std::string& path, int error) override;
    bool OnRecordCommitted(const MatchRecord& record) override;
    void OnWaiting() override;

private:
    void StopOnError();

    OutputStream& m_out;
    std::FILE* m_err;
    bool m_progress;
    std::atomic<bool>& m_stop;
};
