#include "engine/internal/run/FolderSearch.h"

#include "engine/internal/read/LineReader.h"
#include "engine/internal/walk/DescriptorBudget.h"
#include "engine/internal/walk/FolderListing.h"
#include "engine/internal/walk/FolderWalker.h"

#include <cerrno>
#include <memory>
#include <unistd.h>

FolderSearch::FolderSearch(std::string_view pattern, const SearchOptions& options,
                           MatchList& matches, SearchObserver& observer)
    : m_matcher(pattern, options.IgnoreCaps != 0),
      m_folderDescriptors(DescriptorBudget::ForSearch(1).folders), m_options(options),
      m_matches(matches), m_observer(observer) {}

bool FolderSearch::RunSearch(const std::string& startFolder) {
    m_found = false;
    m_records = m_matches.GetCount();
    m_folderDescriptors = DescriptorBudget::ForSearch(1).folders;
    for (const std::string& mask : m_options.Masks())
        SearchFolder(startFolder, mask);
    return m_found;
}

void FolderSearch::SearchFolder(const std::string& folder, const std::string& mask) {
    FolderWalker walker(folder, {mask}, m_folderDescriptors);
    WalkItem item;
    // Each file lets go of its folder before the next step: never Blocked.
    while (walker.Next(item) == FolderWalker::Step::Item) {
        if (item.kind == WalkItem::Kind::Enter) {
            if (LimitReached()) {
                walker.StopEntering(item.seq);
            } else {
                m_folderPath = item.FolderPath();
                m_observer.OnFolderEntered(m_folderPath);
            }
            continue;
        }
        int fd = -1;
        uint64_t size = 0; // not used: the plain search reads up to the end
        const FolderListing::OpenResult opened =
            FolderListing::OpenFile(item.folder->Fd(), item.entry, fd, size);
        const int error = errno;
        switch (opened) {
        case FolderListing::OpenResult::Skipped:
            continue;
        case FolderListing::OpenResult::Failed:
            m_observer.OnOpenError(item.FilePath(), error);
            continue;
        case FolderListing::OpenResult::Opened:
            break;
        }
        auto record = std::make_unique<MatchRecord>();
        m_observer.OnWaiting();
        const uint64_t count = ScanFile(m_matcher, fd, *record);
        ::close(fd);
        if (count > 0) {
            record->SetPath(item.FilePath());
            ++m_records;
            m_found = true;
            if (m_observer.OnRecordCommitted(*record))
                m_matches.Add(std::move(record));
        }
    }
}

uint64_t FolderSearch::ScanFile(LineMatcher& matcher, int fd, MatchRecord& scan) {
    LineReader reader(fd);
    uint64_t count = 0;
    std::string_view piece;
    while (reader.Next(piece)) {
        if (!matcher.MatchLine(piece))
            continue;
        if (!scan.AddLine(piece))
            break;
        ++count;
    }
    return count;
}
