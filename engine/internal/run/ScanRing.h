#pragma once

#include "engine/MatchRecord.h"
#include "engine/internal/walk/FolderListing.h"
#include "engine/internal/walk/WalkItem.h"

#include <atomic>
#include <cstdint>
#include <vector>

struct SearchHooks;

// One file on its way from the walker through a scanning thread to the owner,
// with what the scan found.
struct ScanSlot {
    WalkItem item;
    uint64_t position = 0; // in the ring's order
    FolderListing::OpenResult open = FolderListing::OpenResult::Skipped;
    int openError = 0; // errno of a failed open
    uint64_t count = 0;
    MatchRecord record;
    size_t counted = 0; // the record's bytes counted among the records in flight
    std::atomic<bool> done{false};
    std::atomic<bool> awaited{false}; // the owner sleeps until `done`

    // Forgets the last scan's results, before the slot takes another file.
    void ForgetResults() {
        open = FolderListing::OpenResult::Skipped;
        openError = 0;
        count = 0;
    }
};

// The ring that hands the files of a walk, in walk order, from the owner (the
// thread that walks and commits) to the scanning threads.
//
// Who may touch a slot, and when:
// - The owner fills a slot (Back, then Publish) only while it is free: the
//   item it held one lap before has been committed (PopFront).
// - Each published item is claimed by exactly one scanning thread. Claim
//   hands the positions out one by one; a thread whose position is handed
//   out may also take the published items after it that are in the same
//   folder, as one run, but only by moving the next position to be handed
//   out past them while it still points just after its own (so no other
//   thread has claimed any of them). That thread alone reads a claimed item
//   and writes the scan's results; its last touch of the slot is Done
//   (which reads the slot's awaited flag: see below).
// - Before it takes a run, a thread reads the folder of the published items
//   after its own: no thread writes that after publishing, and none of those
//   slots is refilled while the thread's own item is not committed.
// - The owner reads the results (DoneFront) only after Done, and frees the
//   slot (PopFront) only after that.
// So a slot is never refilled while a thread can still read it.
//
// The records in flight (those being scanned and those scanned but not yet
// committed) hold memory that files already committed never hold: a slot's
// record is freed when the slot is. Their bytes are counted as the scans go
// (Count, by the slot's scanning thread; PopFront takes them off), and a scan
// that is not the oldest item waits between blocks while they are more than
// a cap (MayGoOn, WaitToGoOn). The oldest item always goes on, so the owner
// can always commit and free memory.
//
// A side is woken only when it may sleep. A scanning thread sleeps only for
// the item it has claimed, so the owner wakes them when it publishes an item
// at or before the last one claimed. The owner sleeps only on the oldest
// slot, marked awaited while it does, so a scanning thread wakes it when it
// is done with an awaited slot. In both cases one side writes (the claim, the
// mark) and then reads what it waits for, the other writes what is waited for
// and then reads the claim or the mark, all sequentially consistent: at least
// one sees the other's write, so no wake-up is lost. (A scanning thread that
// is slow to read the mark may see the mark for the slot's next item, and
// then only wakes the owner for nothing.)
class ScanRing {
public:
    static constexpr size_t kRecordBytes = size_t{8} << 20;

    // `claimers`: the number of scanning threads; `recordBytes`: the cap on
    // the bytes of the records in flight.
    ScanRing(size_t slots, unsigned claimers, const SearchHooks* hooks,
             size_t recordBytes = kRecordBytes);

    // The owner's side.
    size_t Slots() const { return m_slots.size(); }
    bool Full() const { return m_next - m_front == m_slots.size(); }
    bool Empty() const { return m_next == m_front; }
    // Items published, and committed, so far.
    uint64_t Published() const { return m_next; }
    uint64_t Committed() const { return m_front; }
    // The free slot that the next item goes into.
    ScanSlot& Back() { return m_slots[m_next % m_slots.size()]; }
    // Hands the item in Back() to the scanning threads.
    void Publish();
    // The oldest item once its scan is done; null while it is not, or when
    // the ring is empty.
    ScanSlot* DoneFront();
    // Frees the oldest item's slot after its results are committed.
    void PopFront();
    // Sleeps until the oldest item is done; the ring must not be empty.
    void WaitFront();
    // No more items will come: Claim() returns null once all are claimed.
    void Close();
    // The search is ending: no scan waits for the records in flight any more.
    void Stop();

    // The scanning threads' side: the next item to scan, or null when the
    // ring is closed and every item is claimed. Items of one folder go to one
    // thread in runs when they can (files of one folder opened on several
    // processors at once cost the kernel more); `run` is the thread's own.
    struct Run {
        uint64_t next = 0; // the next item of the run
        uint64_t end = 0;  // past its last
    };
    ScanSlot* Claim(Run& run);
    void Done(ScanSlot& slot);
    // Between the blocks of a scan: counts what the slot's record holds now
    // among the records in flight, and says whether its scan may go on.
    void Count(ScanSlot& slot);
    bool MayGoOn(const ScanSlot& slot) const;
    // Sleeps until MayGoOn(slot).
    void WaitToGoOn(const ScanSlot& slot);

private:
    static constexpr uint64_t kClosed = uint64_t{1} << 63;
    // The most items one run takes.
    static constexpr uint64_t kLongestRun = 128;

    // Makes `run` the published items after `position` in its folder, when no
    // thread has claimed them yet: at most a fair share of the published
    // items not claimed, so that the other threads are left work as well.
    void Extend(uint64_t position, uint64_t produced, Run& run);
    void LetScansGoOn();

    std::vector<ScanSlot> m_slots;
    const unsigned m_claimers;
    const SearchHooks* m_hooks;
    const size_t m_recordCap;
    std::atomic<size_t> m_recordBytes{0};
    // The owner's m_front, for the scanning threads.
    std::atomic<uint64_t> m_oldest{0};
    std::atomic<bool> m_stopped{false};
    // Bumped whatever may let a waiting scan go on (PopFront, Stop) while one
    // waits: a waiting scan counts itself in m_pacing, reads m_paced, checks
    // MayGoOn and sleeps on m_paced; the owner changes what MayGoOn reads,
    // bumps m_paced and then reads m_pacing. One sees the other's write.
    std::atomic<uint32_t> m_paced{0};
    std::atomic<unsigned> m_pacing{0};
    uint64_t m_front = 0; // owner only: the oldest item not committed
    uint64_t m_next = 0;  // owner only: items published so far
    // Items [0, m_produced) are published; the kClosed bit: no more will come.
    std::atomic<uint64_t> m_produced{0};
    std::atomic<uint64_t> m_claimed{0};
};
