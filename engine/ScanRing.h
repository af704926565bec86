#pragma once

#include "FolderListing.h"
#include "MatchRecord.h"
#include "WalkItem.h"

#include <atomic>
#include <cstdint>
#include <vector>

struct SearchHooks;

// One file on its way from the walker through a scanning thread to the owner,
// with what the scan found.
struct ScanSlot {
    WalkItem item;
    FolderListing::OpenResult open = FolderListing::OpenResult::Skipped;
    int count = 0;
    MatchRecord record;
    std::atomic<bool> done{false};
    std::atomic<bool> awaited{false}; // the owner sleeps until `done`
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
    // `claimers`: the number of scanning threads.
    ScanRing(size_t slots, unsigned claimers, const SearchHooks* hooks);

    // The owner's side.
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

private:
    static constexpr uint64_t kClosed = uint64_t{1} << 63;
    // The most items one run takes.
    static constexpr uint64_t kLongestRun = 128;

    // Makes `run` the published items after `position` in its folder, when no
    // thread has claimed them yet: at most a fair share of the published
    // items not claimed, so that the other threads are left work as well.
    void Extend(uint64_t position, uint64_t produced, Run& run);

    std::vector<ScanSlot> m_slots;
    const unsigned m_claimers;
    const SearchHooks* m_hooks;
    uint64_t m_front = 0; // owner only: the oldest item not committed
    uint64_t m_next = 0;  // owner only: items published so far
    // Items [0, m_produced) are published; the kClosed bit: no more will come.
    std::atomic<uint64_t> m_produced{0};
    std::atomic<uint64_t> m_claimed{0};
};
