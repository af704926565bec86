#include "SearchRun.h"

#include "BlockScanner.h"
#include "FolderSearch.h"

#include <thread>
#include <unistd.h>
#include <vector>

// One walk item on its way from the walker through a scanning thread to the
// owner, with what the scan found.
struct SearchSlot {
    WalkItem item;
    FolderListing::OpenResult open = FolderListing::OpenResult::Skipped;
    int count = 0;
    MatchRecord record;
    std::atomic<bool> done{false};
};

SearchRun::SearchRun(std::string_view pattern, const SearchOptions& options, MatchList& matches,
                     SearchObserver& observer, const SearchTuning& tuning)
    : m_pattern(pattern), m_options(options), m_matches(matches), m_observer(observer),
      m_tuning(tuning) {}

bool SearchRun::Cancelled() const {
    return m_tuning.cancel != nullptr && m_tuning.cancel->load(std::memory_order_relaxed);
}

bool SearchRun::Run(const std::string& startFolder) {
    FolderWalker walker(startFolder, FolderSearch::BuildMasks(m_options));
    unsigned threads = m_tuning.threads;
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    return threads == 1 ? RunSequential(walker) : RunParallel(walker, threads);
}

void SearchRun::Scan(BlockScanner& scanner, SearchSlot& slot) {
    const WalkItem& item = slot.item;
    if (item.folderSeq >= m_limitSeq.load())
        return;
    int fd = -1;
    slot.open = FolderListing::OpenFile(item.folder->Fd(), item.entry, fd);
    if (slot.open == FolderListing::OpenResult::Opened) {
        slot.count = scanner.Scan(fd, slot.record, [this, &item] {
            return m_stop.load() || Cancelled() || item.folderSeq >= m_limitSeq.load();
        });
        ::close(fd);
    }
    slot.item.folder.reset();
}

bool SearchRun::Commit(FolderWalker& walker, SearchSlot& slot) {
    const WalkItem& item = slot.item;
    if (item.kind == WalkItem::Kind::Enter) {
        // The limit is tested only on entering a folder; the folders entered
        // before are still searched to their end.
        if (m_matches.GetCount() >= m_options.Max) {
            if (item.seq < m_limitSeq.load())
                m_limitSeq = item.seq;
            walker.StopEntering(item.seq);
        } else {
            m_observer.OnFolderEntered(item.path);
        }
        return false;
    }
    if (item.folderSeq >= m_limitSeq.load())
        return false;
    if (slot.open == FolderListing::OpenResult::Failed)
        m_observer.OnOpenError(item.path);
    if (slot.count == 0)
        return false;
    auto record = std::make_unique<MatchRecord>(std::move(slot.record));
    record->SetPath(item.path);
    m_matches.Add(std::move(record));
    return true;
}

bool SearchRun::RunSequential(FolderWalker& walker) {
    BlockScanner scanner(m_pattern, m_options.IgnoreCaps != 0, m_tuning.prefilter);
    SearchSlot slot;
    bool found = false;
    while (!Cancelled() && walker.Next(slot.item)) {
        slot.open = FolderListing::OpenResult::Skipped;
        slot.count = 0;
        slot.record.Clear();
        if (slot.item.kind == WalkItem::Kind::File)
            Scan(scanner, slot);
        if (Cancelled())
            break;
        found |= Commit(walker, slot);
    }
    return found;
}

// This thread walks ahead of the scanning threads, filling a ring of slots
// in walk order, and commits the ring's front as soon as it is done. The
// scanning threads take the ring's items in order. Hand-over is by atomic
// counters and flags; a thread sleeps only when it has to wait.
bool SearchRun::RunParallel(FolderWalker& walker, unsigned threads) {
    const uint64_t size = 1024 + 256 * threads;
    std::vector<SearchSlot> ring(size);
    // Items [0, produced) are in the ring; kClosed: no more will come.
    constexpr uint64_t kClosed = uint64_t{1} << 63;
    std::atomic<uint64_t> produced{0};
    std::atomic<uint64_t> claimed{0};
    auto close = [&] {
        produced.fetch_or(kClosed);
        produced.notify_all();
    };

    std::vector<std::thread> scanning;
    for (unsigned t = 0; t < threads; ++t) {
        scanning.emplace_back([&] {
            BlockScanner scanner(m_pattern, m_options.IgnoreCaps != 0, m_tuning.prefilter);
            for (;;) {
                const uint64_t seq = claimed.fetch_add(1);
                uint64_t now;
                while (((now = produced.load(std::memory_order_acquire)) & ~kClosed) <= seq) {
                    if (now & kClosed)
                        return;
                    produced.wait(now);
                }
                SearchSlot& slot = ring[seq % size];
                if (slot.item.kind == WalkItem::Kind::Enter)
                    continue; // done when it was made
                Scan(scanner, slot);
                slot.done.store(true, std::memory_order_release);
                slot.done.notify_one();
            }
        });
    }

    uint64_t front = 0, next = 0;
    bool walkEnded = false, found = false;
    while (!Cancelled()) {
        if (front < next) {
            SearchSlot& slot = ring[front % size];
            if (slot.done.load(std::memory_order_acquire)) {
                found |= Commit(walker, slot);
                slot.record.Clear();
                ++front;
                continue;
            }
        }
        if (!walkEnded && next - front < size) {
            SearchSlot& slot = ring[next % size];
            if (walker.Next(slot.item)) {
                slot.open = FolderListing::OpenResult::Skipped;
                slot.count = 0;
                slot.done.store(slot.item.kind == WalkItem::Kind::Enter, std::memory_order_relaxed);
                produced.store(++next, std::memory_order_release);
                produced.notify_all();
            } else {
                walkEnded = true;
                close();
            }
            continue;
        }
        if (front == next)
            break; // the walk has ended and everything is committed
        // Scans stop soon after a cancel, so this wait ends then too.
        ring[front % size].done.wait(false, std::memory_order_acquire);
    }
    m_stop = true;
    close();
    for (std::thread& thread : scanning)
        thread.join();
    return found;
}

bool RunSearch(std::string_view pattern, const std::string& startFolder,
               const SearchOptions& options, MatchList& matches, SearchObserver& observer,
               const SearchTuning& tuning) {
    if (!tuning.prefilter && tuning.threads == 1)
        return FolderSearch(pattern, options, matches, observer).RunSearch(startFolder);
    return SearchRun(pattern, options, matches, observer, tuning).Run(startFolder);
}
