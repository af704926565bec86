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
class ScanRing;
struct ScanSlot;

// The search: all walks over one listing of the tree, files scanned by a pool
// of threads, and everything the owner sees (folders entered, files that
// cannot be opened, records, the limit on the number of records) committed
// in walk order, exactly as the plain sequential search makes it. Work past
// the limit is dropped as soon as the limit is known.
class SearchRun {
public:
    SearchRun(std::string_view pattern, const SearchOptions& options, MatchList& matches,
              SearchObserver& observer, const SearchTuning& tuning);

    // True when at least one record was committed.
    bool Run(const std::string& startFolder);

private:
    bool Cancelled() const;
    // True when the file's scan is no longer needed: the search is stopping,
    // or its folder lies past the limit.
    bool Dropped(const WalkItem& file) const;
    bool RunSequential(FolderWalker& walker);
    bool RunParallel(FolderWalker& walker, unsigned threads);
    // Opens and scans the file of a slot, unless the search no longer needs
    // it; the slot lets go of the folder either way.
    void Scan(BlockScanner& scanner, ScanSlot& slot);
    // Hands a folder entry, or a scanned file, to the owner in walk order.
    void CommitEnter(FolderWalker& walker, const WalkItem& folder);
    bool CommitFile(ScanSlot& slot); // true when it committed a record
    // Tells the observer that no further record is ready, then sleeps until
    // the oldest item in the ring is done.
    void Wait(ScanRing& ring);

    std::string m_pattern;
    const SearchOptions& m_options;
    MatchList& m_matches;
    SearchObserver& m_observer;
    SearchTuning m_tuning;
    int64_t m_records; // in the list before the search, and committed since
    std::atomic<uint64_t> m_limitSeq{UINT64_MAX};
    std::atomic<bool> m_stop{false};
};

// Runs a whole search from `startFolder`, reporting to `observer`; true when
// at least one record was committed. The records the observer keeps are added
// to `matches` (which the caller has emptied).
bool RunSearch(std::string_view pattern, const std::string& startFolder,
               const SearchOptions& options, MatchList& matches, SearchObserver& observer,
               const SearchTuning& tuning = SearchTuning());
