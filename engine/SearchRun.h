#pragma once

#include "FolderWalker.h"
#include "MatchList.h"
#include "SearchObserver.h"
#include "SearchOptions.h"
#include "SearchTuning.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

class BlockScanner;
struct SearchSlot;

// The search: all walks over one listing of the tree, files scanned by a pool
// of threads, and everything the owner sees (folders entered, files that
// cannot be opened, records, the limit on the number of records) committed
// in walk order, exactly as the plain sequential search makes it. Work past
// the limit is dropped as soon as the limit is known.
class SearchRun {
public:
    SearchRun(std::string_view pattern, const SearchOptions& options, MatchList& matches,
              SearchObserver& observer, const SearchTuning& tuning);

    // True when at least one record was added.
    bool Run(const std::string& startFolder);

private:
    bool Cancelled() const;
    bool RunSequential(FolderWalker& walker);
    bool RunParallel(FolderWalker& walker, unsigned threads);
    // Opens and scans the file of a slot, unless the search no longer needs it.
    void Scan(BlockScanner& scanner, SearchSlot& slot);
    // Hands one item to the owner in walk order; true when it added a record.
    bool Commit(FolderWalker& walker, SearchSlot& slot);

    std::string m_pattern;
    const SearchOptions& m_options;
    MatchList& m_matches;
    SearchObserver& m_observer;
    SearchTuning m_tuning;
    std::atomic<uint64_t> m_limitSeq{UINT64_MAX};
    std::atomic<bool> m_stop{false};
};

// Runs a whole search from `startFolder`, reporting to `observer`; true when
// at least one record was added to `matches` (which the caller has emptied).
bool RunSearch(std::string_view pattern, const std::string& startFolder,
               const SearchOptions& options, MatchList& matches, SearchObserver& observer,
               const SearchTuning& tuning = SearchTuning());
