#pragma once

#include "engine/MatchList.h"
#include "engine/SearchObserver.h"
#include "engine/SearchOptions.h"
#include "engine/internal/match/LineMatcher.h"

#include <cstdint>
#include <string>
#include <string_view>

// The plain search, the one the fast search (SearchRun) is checked against:
// sequential, one walk of the tree per file-name mask, each listing the tree
// again, every piece of each selected file read and tested with the matcher,
// one record per file with a matching piece. The fast search gives exactly its
// answers. The program never runs it; the tests compare the two.
class FolderSearch {
public:
    FolderSearch(std::string_view pattern, const SearchOptions& options, MatchList& matches,
                 SearchObserver& observer);

    // All walks from `startFolder`; true when at least one record was committed.
    bool RunSearch(const std::string& startFolder);
    // One walk of the tree under `folder` for `mask`.
    void SearchFolder(const std::string& folder, const std::string& mask);
    // Tests every piece of the open file; adds the matching ones to `scan`
    // and returns how many matched.
    static uint64_t ScanFile(LineMatcher& matcher, int fd, MatchRecord& scan);

private:
    bool LimitReached() const { return m_records >= m_options.Max; }

    LineMatcher m_matcher;
    size_t m_folderDescriptors; // the search's descriptor budget
    const SearchOptions& m_options;
    MatchList& m_matches;
    SearchObserver& m_observer;
    int64_t m_records = 0;    // in the list before the search, and committed since
    std::string m_folderPath; // of the folder entered last
    bool m_found = false;
};
