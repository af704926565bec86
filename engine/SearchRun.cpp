#include "SearchRun.h"

#include "BlockScanner.h"
#include "DescriptorBudget.h"
#include "FolderSearch.h"
#include "ScanRing.h"
#include "SearchHooks.h"

#include <algorithm>
#include <deque>
#include <thread>
#include <unistd.h>
#include <vector>

SearchRun::SearchRun(std::string_view pattern, const SearchOptions& options, MatchList& matches,
                     SearchObserver& observer, const SearchTuning& tuning)
    : m_pattern(pattern), m_options(options), m_matches(matches), m_observer(observer),
      m_tuning(tuning), m_records(matches.GetCount()) {}

bool SearchRun::Cancelled() const {
    return m_tuning.cancel != nullptr && m_tuning.cancel->load(std::memory_order_relaxed);
}

bool SearchRun::Dropped(const WalkItem& file) const {
    return m_stop.load(std::memory_order_relaxed) || Cancelled() ||
           file.folderSeq >= m_limitSeq.load();
}

bool SearchRun::Run(const std::string& startFolder) {
    unsigned threads = m_tuning.threads;
    if (threads == 0)
        threads = std::thread::hardware_concurrency();
    threads = std::clamp(threads, 1u, SearchTuning::kMaxThreads);
    FolderWalker walker(startFolder, FolderSearch::BuildMasks(m_options),
                        DescriptorBudget::ForSearch(threads));
    return threads == 1 ? RunSequential(walker) : RunParallel(walker, threads);
}

void SearchRun::Scan(BlockScanner& scanner, ScanSlot& slot) {
    WalkItem& item = slot.item;
    if (!Dropped(item)) {
        if (m_tuning.hooks && m_tuning.hooks->opening)
            m_tuning.hooks->opening(item.FilePath());
        int fd = -1;
        uint64_t size = 0;
        slot.open = FolderListing::OpenFile(item.folder->Fd(), item.entry, fd, size);
        if (slot.open == FolderListing::OpenResult::Opened) {
            slot.count = scanner.Scan(
                fd, slot.record, [this, &item] { return Dropped(item); }, size);
            ::close(fd);
        }
    }
    item.folder.reset();
}

void SearchRun::CommitEnter(FolderWalker& walker, const WalkItem& folder) {
    // The limit is tested only on entering a folder; the folders entered
    // before are still searched to their end.
    if (m_records >= m_options.Max) {
        if (folder.seq < m_limitSeq.load())
            m_limitSeq = folder.seq;
        walker.StopEntering(folder.seq);
    } else {
        m_observer.OnFolderEntered(folder.FolderPath());
    }
}

bool SearchRun::CommitFile(ScanSlot& slot) {
    const WalkItem& item = slot.item;
    if (item.folderSeq >= m_limitSeq.load())
        return false;
    if (slot.open == FolderListing::OpenResult::Failed)
        m_observer.OnOpenError(item.FilePath());
    if (slot.count == 0)
        return false;
    slot.record.SetPath(item.FilePath());
    ++m_records;
    // A record the observer does not keep leaves its buffers to the slot.
    if (m_observer.OnRecordCommitted(slot.record))
        m_matches.Add(std::make_unique<MatchRecord>(std::move(slot.record)));
    return true;
}

bool SearchRun::RunSequential(FolderWalker& walker) {
    BlockScanner scanner(m_pattern, m_options.IgnoreCaps != 0, m_tuning.prefilter);
    ScanSlot slot;
    bool found = false;
    while (!Cancelled() && walker.Next(slot.item) == FolderWalker::Step::Item) {
        if (slot.item.kind == WalkItem::Kind::Enter) {
            CommitEnter(walker, slot.item);
            continue;
        }
        slot.open = FolderListing::OpenResult::Skipped;
        slot.count = 0;
        slot.record.Clear();
        m_observer.OnWaiting();
        Scan(scanner, slot);
        if (Cancelled())
            break;
        found |= CommitFile(slot);
    }
    return found;
}

// This thread walks ahead of the scanning threads, handing files to them
// through the ring, and commits folder entries and scanned files in walk
// order as soon as they are ready. Folder entries never enter the ring: this
// thread keeps them, each with the number of files walked before it. A
// thread sleeps only when it has to wait.
bool SearchRun::RunParallel(FolderWalker& walker, unsigned threads) {
    const size_t slots = m_tuning.ringSlots > 0 ? m_tuning.ringSlots : 1024 + 256 * threads;
    ScanRing ring(slots, threads, m_tuning.hooks);
    std::vector<std::thread> scanning;
    for (unsigned t = 0; t < threads; ++t) {
        scanning.emplace_back([&] {
            BlockScanner scanner(m_pattern, m_options.IgnoreCaps != 0, m_tuning.prefilter);
            ScanRing::Run run;
            while (ScanSlot* slot = ring.Claim(run)) {
                Scan(scanner, *slot);
                ring.Done(*slot);
            }
        });
    }

    struct Entered {
        WalkItem folder;
        uint64_t filesBefore;
    };
    std::deque<Entered> entered;
    bool walkEnded = false, found = false;
    while (!Cancelled()) {
        if (!entered.empty() && entered.front().filesBefore == ring.Committed()) {
            CommitEnter(walker, entered.front().folder);
            entered.pop_front();
            continue;
        }
        if (ScanSlot* slot = ring.DoneFront()) {
            found |= CommitFile(*slot);
            ring.PopFront();
            continue;
        }
        if (!walkEnded && !ring.Full() && entered.size() < slots) {
            ScanSlot& back = ring.Back();
            const FolderWalker::Step step = walker.Next(back.item);
            if (step == FolderWalker::Step::Ended) {
                walkEnded = true;
                ring.Close();
            } else if (step == FolderWalker::Step::Blocked) {
                // Queued files hold the folder descriptors the walk may have:
                // a file lets go of its folder when its scan is done. (Only
                // files in the ring hold folders, so the ring is not empty.)
                Wait(ring);
            } else if (back.item.kind == WalkItem::Kind::Enter) {
                entered.push_back({std::move(back.item), ring.Published()});
            } else {
                ring.Publish();
            }
            continue;
        }
        if (ring.Empty())
            break; // the walk has ended and everything is committed
        // Scans stop soon after a cancel, so this wait ends then too.
        Wait(ring);
    }
    m_stop = true;
    ring.Close();
    for (std::thread& thread : scanning)
        thread.join();
    return found;
}

void SearchRun::Wait(ScanRing& ring) {
    m_observer.OnWaiting();
    ring.WaitFront();
}

bool RunSearch(std::string_view pattern, const std::string& startFolder,
               const SearchOptions& options, MatchList& matches, SearchObserver& observer,
               const SearchTuning& tuning) {
    if (!tuning.prefilter && tuning.threads == 1)
        return FolderSearch(pattern, options, matches, observer).RunSearch(startFolder);
    return SearchRun(pattern, options, matches, observer, tuning).Run(startFolder);
}
