#include "SearchRun.h"

#include "BlockScanner.h"
#include "FolderSearch.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
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
    bool done = false; // guarded by the queue's mutex
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

// The walker thread fills a queue in walk order, the scanning threads take
// its files in order, and this thread commits the queue's front as soon as
// it is ready. The queue is bounded, so the walk runs only a little ahead.
bool SearchRun::RunParallel(FolderWalker& walker, unsigned threads) {
    std::mutex mutex;
    std::condition_variable workReady, frontReady, spaceFree;
    std::deque<std::shared_ptr<SearchSlot>> queue;
    uint64_t front = 0; // seq of queue.front()
    uint64_t claim = 0; // seq of the next item a scanning thread looks at
    bool walkEnded = false;
    const size_t window = 1024 + 256 * threads;

    auto stopAll = [&] {
        {
            std::lock_guard<std::mutex> lock(mutex);
            m_stop = true;
        }
        workReady.notify_all();
        frontReady.notify_all();
        spaceFree.notify_all();
    };

    std::thread walking([&] {
        for (;;) {
            auto slot = std::make_shared<SearchSlot>();
            if (m_stop.load() || !walker.Next(slot->item))
                break;
            std::unique_lock<std::mutex> lock(mutex);
            spaceFree.wait(lock, [&] { return queue.size() < window || m_stop.load(); });
            if (m_stop.load())
                break;
            const bool isFile = slot->item.kind == WalkItem::Kind::File;
            queue.push_back(std::move(slot));
            lock.unlock();
            if (isFile)
                workReady.notify_one();
            frontReady.notify_one();
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            walkEnded = true;
        }
        workReady.notify_all();
        frontReady.notify_all();
    });

    std::vector<std::thread> scanning;
    for (unsigned t = 0; t < threads; ++t) {
        scanning.emplace_back([&] {
            BlockScanner scanner(m_pattern, m_options.IgnoreCaps != 0, m_tuning.prefilter);
            for (;;) {
                std::shared_ptr<SearchSlot> slot;
                {
                    std::unique_lock<std::mutex> lock(mutex);
                    for (;;) {
                        if (m_stop.load())
                            return;
                        claim = std::max(claim, front);
                        while (claim < front + queue.size() &&
                               queue[claim - front]->item.kind == WalkItem::Kind::Enter)
                            ++claim;
                        if (claim < front + queue.size()) {
                            slot = queue[claim++ - front];
                            break;
                        }
                        if (walkEnded)
                            return;
                        workReady.wait(lock);
                    }
                }
                Scan(scanner, *slot);
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    slot->done = true;
                }
                frontReady.notify_one();
            }
        });
    }

    bool found = false;
    for (;;) {
        std::shared_ptr<SearchSlot> slot;
        {
            std::unique_lock<std::mutex> lock(mutex);
            for (;;) {
                if (Cancelled())
                    break;
                if (!queue.empty()) {
                    const SearchSlot& first = *queue.front();
                    // A file of a folder that will not be searched is not waited for.
                    if (first.item.kind == WalkItem::Kind::Enter || first.done ||
                        first.item.folderSeq >= m_limitSeq.load()) {
                        slot = std::move(queue.front());
                        queue.pop_front();
                        ++front;
                        break;
                    }
                } else if (walkEnded) {
                    break;
                }
                if (m_tuning.cancel != nullptr)
                    frontReady.wait_for(lock, std::chrono::milliseconds(10));
                else
                    frontReady.wait(lock);
            }
        }
        if (!slot)
            break;
        spaceFree.notify_one();
        found |= Commit(walker, *slot);
    }
    stopAll();
    walking.join();
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
