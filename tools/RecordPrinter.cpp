#include "tools/RecordPrinter.h"

#include "engine/MatchRecord.h"

#include <cstring>

RecordPrinter::RecordPrinter(OutputStream& out, std::FILE* err, bool progress,
                             std::atomic<bool>& stop)
    : m_out(out), m_err(err), m_progress(progress), m_stop(stop) {}

void RecordPrinter::OnFolderEntered(const std::string& path) {
    if (m_progress)
        std::fprintf(m_err, "Searching %s\n", path.c_str());
}

void RecordPrinter::OnOpenError(const std::string& path, int error) {
    std::fprintf(m_err, "Error opening file: %s: %s\n", path.c_str(), std::strerror(error));
}

// The path on a line of its own, then each line after a tab.
bool RecordPrinter::OnRecordCommitted(const MatchRecord& record) {
    m_out.Write(record.GetPath());
    m_out.Write("\n");
    for (int line = 0; line < record.GetLineCount(); ++line) {
        m_out.Write("\t");
        m_out.Write(record.LineView(line));
        m_out.Write("\n");
    }
    if (m_out.IsTerminal())
        m_out.Flush();
    StopOnError();
    return false;
}

void RecordPrinter::OnWaiting() {
    m_out.Flush();
    StopOnError();
}

// A search whose output cannot be written has nothing left to do.
void RecordPrinter::StopOnError() {
    if (m_out.Error() != 0)
        m_stop = true;
}
