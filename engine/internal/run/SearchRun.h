#pragma once

#include "engine/MatchList.h"
#include "engine/SearchObserver.h"
#include "engine/SearchOptions.h"
#include "engine/SearchTuning.h"
#include "engine/internal/walk/FolderWalker.h"
#include "engine/internal/walk/StatusPathBuilder.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>

class BlockScanner;
class ScanRing;
struct ScanSlot;

// The search: all walks over one listing of the tree, files scanned by a pool
// of threads, and everything the owner sees (folders entered, files that
// cannot be opened, records, the limit on the number of records) committed
// in walk order, exactly as the plain sequential search (FolderSearch) makes
// it. Work past the limit is dropped as soon as the limit is known. RunSearch
// (engine/RunSearch.h) is its public face.
class SearchRun {
public:
    SearchRun(std::string_view pattern, const SearchOptions& options, MatchList& matches,
              SearchObserver& observer, const SearchTuning& tuning);

    // True when at least one record was committed. Throws TooFewDescriptors
    // before anything is searched, and std::bad_alloc when memory runs out
    // (the records committed until then stay); either way its threads have
    // ended.
    bool Run(const std::string& startFolder);

private:
    bool Cancelled() const;
    // True when the file's scan is no longer needed: the search is stopping,
    // or its folder lies past the limit.
    bool Dropped(const WalkItem& file) const;
    bool RunSequential(FolderWalker& walker);
    // `readers` threads open, read and scan files.
    bool RunParallel(FolderWalker& walker, unsigned readers);
    // The owner's part of a parallel search: walks, hands files to the
    // scanning threads and commits.
    bool Commit(FolderWalker& walker);
    // A scanning thread's part.
    void ScanFiles();
    // Opens and scans the file of a slot, unless the search no longer needs
    // it; the slot lets go of the folder either way. `walker` is given when
    // the search runs on the walk's thread alone.
    void Scan(BlockScanner& scanner, ScanSlot& slot, FolderWalker* walker);
    // Opens the slot's file; when descriptors run short, waits for the search
    // to let go of one and tries again.
    void Open(ScanSlot& slot, int& fd, uint64_t& size, FolderWalker* walker);
    // Between the blocks of a scan: false to end it.
    bool GoOn(ScanSlot& slot);
    // Hands a folder entry, or a scanned file, to the owner in walk order.
    void CommitEnter(FolderWalker& walker, const WalkItem& folder);
    bool CommitFile(ScanSlot& slot); // true when it committed a record
    // Tells the observer that no further record is ready, then sleeps until
    // the oldest item in the ring is done.
    void Wait();
    // Ends the search for a failure on any thread; the first is rethrown.
    void Fail();

    std::string m_pattern;
    const SearchOptions& m_options;
    MatchList& m_matches;
    SearchObserver& m_observer;
    SearchTuning m_tuning;
    StatusPathBuilder m_statusPaths;
    int64_t m_records; // in the list before the search, and committed since
    std::atomic<uint64_t> m_limitSeq{UINT64_MAX};
    std::atomic<bool> m_stop{false};
    std::mutex m_failureMutex;
    std::exception_ptr m_failure; // guarded by m_failureMutex
    // While Run runs: the walk's descriptors, and in a parallel search the
    // ring.
    DescriptorBudget* m_budget = nullptr;
    ScanRing* m_ring = nullptr;
};
