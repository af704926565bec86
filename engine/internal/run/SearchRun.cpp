#include "engine/internal/run/SearchRun.h"

#include "engine/RunSearch.h"

#include "engine/internal/read/BlockScanner.h"
#include "engine/internal/run/ScanRing.h"
#include "engine/internal/run/ScanThread.h"
#include "engine/internal/run/SearchHooks.h"
#include "engine/internal/walk/DescriptorBudget.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <functional>
#include <memory>
#include <sched.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
// The processors this process may run on.
unsigned ProcessorCount() {
    cpu_set_t set;
    if (::sched_getaffinity(0, sizeof set, &set) == 0)
        return static_cast<unsigned>(std::max(CPU_COUNT(&set), 1));
    return std::max(std::thread::hardware_concurrency(), 1u);
}

// Closes a scanned file, counting it out of the search's descriptors.
class OpenFile {
public:
    OpenFile(int fd, DescriptorBudget& budget) : m_fd(fd), m_budget(budget) {
        m_budget.FileOpened();
    }
    ~OpenFile() {
        ::close(m_fd);
        m_budget.FileClosed();
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

private:
    int m_fd;
    DescriptorBudget& m_budget;
};
} // namespace

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
    // By default more threads read files than there are processors, so that
    // files that are not in memory yet keep the disk busy.
    const unsigned wanted =
        std::min(m_tuning.threads > 0 ? m_tuning.threads
                                      : std::max(ProcessorCount(), SearchTuning::kDiskReaders),
                 SearchTuning::kMaxThreads);
    const DescriptorBudget::Share share = DescriptorBudget::ForSearch(wanted);
    FolderWalker walker(startFolder, m_options.Masks(), share.folders);
    m_budget = &walker.Budget();
    const bool found =
        share.threads == 1 ? RunSequential(walker) : RunParallel(walker, share.threads);
    m_observer.OnWaiting(); // nothing further will come
    return found;
}

void SearchRun::Scan(BlockScanner& scanner, ScanSlot& slot, FolderWalker* walker) {
    WalkItem& item = slot.item;
    // The slot lets go of its folder however the scan ends.
    struct LetGo {
        WalkItem& item;
        ~LetGo() { item.folder.reset(); }
    } letGo{item};
    if (m_ring && !m_ring->MayGoOn(slot))
        m_ring->WaitToGoOn(slot);
    if (Dropped(item))
        return;
    if (m_tuning.hooks && m_tuning.hooks->opening)
        m_tuning.hooks->opening(item.FilePath());
    int fd = -1;
    uint64_t size = 0;
    Open(slot, fd, size, walker);
    if (slot.open != FolderListing::OpenResult::Opened)
        return;
    const OpenFile file(fd, *m_budget);
    slot.count = scanner.Scan(
        fd, slot.record, [&] { return !GoOn(slot); }, size);
}

void SearchRun::Open(ScanSlot& slot, int& fd, uint64_t& size, FolderWalker* walker) {
    const WalkItem& item = slot.item;
    for (;;) {
        const uint64_t releases = m_budget->Releases();
        slot.open = FolderListing::OpenFile(item.folder->Fd(), item.entry, fd, size);
        if (slot.open != FolderListing::OpenResult::Failed)
            return;
        slot.openError = errno;
        if (slot.openError != EMFILE && slot.openError != ENFILE)
            return;
        // Short of descriptors: something else in the process holds them.
        // The walk's far folders can go at once; other scans let go of
        // theirs when they end. With neither, the file cannot be had.
        if (walker != nullptr && walker->LetGoOfAFolder())
            continue;
        if (m_budget->FilesOpen() == 0)
            return;
        m_budget->WaitForRelease(releases);
        if (Dropped(item)) {
            slot.open = FolderListing::OpenResult::Skipped;
            return;
        }
    }
}

bool SearchRun::GoOn(ScanSlot& slot) {
    if (m_ring != nullptr) {
        m_ring->Count(slot);
        if (!m_ring->MayGoOn(slot)) {
            // A scan that waits does not count as one that lets go of its
            // file soon.
            m_budget->FileClosed();
            m_ring->WaitToGoOn(slot);
            m_budget->FileOpened();
        }
    }
    return !Dropped(slot.item);
}

void SearchRun::CommitEnter(FolderWalker& walker, const WalkItem& folder) {
    // The limit is tested only on entering a folder; the folders entered
    // before are still searched to their end.
    if (m_records >= m_options.Max) {
        if (folder.seq < m_limitSeq.load())
            m_limitSeq = folder.seq;
        walker.StopEntering(folder.seq);
    } else {
        m_observer.OnFolderEntered(m_statusPaths.Enter(folder.place));
    }
}

bool SearchRun::CommitFile(ScanSlot& slot) {
    const WalkItem& item = slot.item;
    if (item.folderSeq >= m_limitSeq.load())
        return false;
    if (slot.open == FolderListing::OpenResult::Failed)
        m_observer.OnOpenError(item.FilePath(), slot.openError);
    if (slot.count == 0)
        return false;
    slot.record.SetPath(item.FilePath());
    ++m_records;
    // A record the observer does not keep is freed with its slot.
    if (m_observer.OnRecordCommitted(slot.record))
        m_matches.Add(std::make_unique<MatchRecord>(std::move(slot.record)));
    return true;
}

bool SearchRun::RunSequential(FolderWalker& walker) {
    BlockScanner scanner(m_pattern, m_options.IgnoreCaps != 0);
    ScanSlot slot;
    bool found = false;
    while (!Cancelled() && walker.Next(slot.item) == FolderWalker::Step::Item) {
        if (slot.item.kind == WalkItem::Kind::Enter) {
            CommitEnter(walker, slot.item);
            continue;
        }
        slot.ForgetResults();
        slot.record.Clear();
        m_observer.OnWaiting();
        Scan(scanner, slot, &walker);
        if (Cancelled())
            break;
        found |= CommitFile(slot);
    }
    return found;
}

// Threads that cannot be made leave the work to those that could, and with
// none the search runs on this thread alone.
bool SearchRun::RunParallel(FolderWalker& walker, unsigned readers) {
    const size_t slots = m_tuning.ringSlots > 0 ? m_tuning.ringSlots : 1024 + 256 * readers;
    ScanRing ring(slots, readers, m_tuning.hooks,
                  m_tuning.recordBytes > 0 ? m_tuning.recordBytes : ScanRing::kRecordBytes);
    m_ring = &ring;
    const std::function<void()> scan = [this] { ScanFiles(); };
    std::vector<std::unique_ptr<ScanThread>> scanning;
    scanning.reserve(readers);
    try {
        for (unsigned t = 0; t < readers; ++t) {
            if (m_tuning.hooks && m_tuning.hooks->starting)
                m_tuning.hooks->starting(t);
            scanning.push_back(std::make_unique<ScanThread>(scan));
        }
    } catch (...) {
        // std::system_error, or std::bad_alloc for the thread's own state.
        if (scanning.empty()) {
            m_ring = nullptr;
            return RunSequential(walker);
        }
    }

    bool found = false;
    try {
        found = Commit(walker);
    } catch (...) {
        Fail();
    }
    m_stop = true;
    ring.Stop();
    ring.Close();
    m_budget->Wake();
    scanning.clear(); // waits for every thread to end
    if (m_failure)
        std::rethrow_exception(m_failure);
    return found;
}

void SearchRun::ScanFiles() {
    std::unique_ptr<BlockScanner> scanner;
    try {
        scanner = std::make_unique<BlockScanner>(m_pattern, m_options.IgnoreCaps != 0);
        if (m_tuning.hooks && m_tuning.hooks->reading)
            scanner->BeforeEachRead(&m_tuning.hooks->reading);
    } catch (...) {
        Fail();
    }
    ScanRing::Run run;
    while (ScanSlot* slot = m_ring->Claim(run)) {
        try {
            if (scanner)
                Scan(*scanner, *slot, nullptr);
            else
                slot->item.folder.reset();
        } catch (...) {
            Fail();
        }
        m_ring->Done(*slot);
    }
}

void SearchRun::Fail() {
    {
        std::lock_guard<std::mutex> lock(m_failureMutex);
        if (!m_failure)
            m_failure = std::current_exception();
    }
    m_stop = true;
    m_ring->Stop();
    m_budget->Wake();
}

// This thread walks ahead of the scanning threads, handing files to them
// through the ring, and commits folder entries and scanned files in walk
// order as soon as they are ready. Folder entries never enter the ring: this
// thread keeps them, each with the number of files walked before it. A
// thread sleeps only when it has to wait.
bool SearchRun::Commit(FolderWalker& walker) {
    ScanRing& ring = *m_ring;
    struct Entered {
        WalkItem folder;
        uint64_t filesBefore;
    };
    std::deque<Entered> entered;
    bool walkEnded = false, found = false;
    while (!Cancelled() && !m_stop.load()) {
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
        if (!walkEnded && !ring.Full() && entered.size() < ring.Slots()) {
            ScanSlot& back = ring.Back();
            const FolderWalker::Step step = walker.Next(back.item);
            if (step == FolderWalker::Step::Ended) {
                walkEnded = true;
                ring.Close();
            } else if (step == FolderWalker::Step::Blocked) {
                // Queued files hold the folder descriptors the walk may have:
                // a file lets go of its folder when its scan is done. (Only
                // files in the ring hold folders, so the ring is not empty.)
                Wait();
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
        Wait();
    }
    return found;
}

void SearchRun::Wait() {
    m_observer.OnWaiting();
    m_ring->WaitFront();
}

bool RunSearch(std::string_view pattern, const std::string& startFolder,
               const SearchOptions& options, MatchList& matches, SearchObserver& observer,
               const SearchTuning& tuning) {
    return SearchRun(pattern, options, matches, observer, tuning).Run(startFolder);
}
