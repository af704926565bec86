#include "engine/internal/run/ScanRing.h"

#include "engine/internal/run/SearchHooks.h"

#include <algorithm>

ScanRing::ScanRing(size_t slots, unsigned claimers, const SearchHooks* hooks, size_t recordBytes)
    : m_slots(slots > 0 ? slots : 1), m_claimers(claimers > 0 ? claimers : 1), m_hooks(hooks),
      m_recordCap(recordBytes) {}

void ScanRing::Publish() {
    Back().position = m_next;
    m_produced.store(++m_next);
    // A thread that claimed this item, or a later one, may sleep for it.
    if (m_claimed.load() >= m_next)
        m_produced.notify_all();
    if (m_hooks && m_hooks->produced)
        m_hooks->produced(m_next - 1);
}

ScanSlot* ScanRing::DoneFront() {
    if (Empty())
        return nullptr;
    ScanSlot& slot = m_slots[m_front % m_slots.size()];
    return slot.done.load(std::memory_order_acquire) ? &slot : nullptr;
}

void ScanRing::PopFront() {
    ScanSlot& slot = m_slots[m_front++ % m_slots.size()];
    slot.ForgetResults();
    // Memory is held by the records in flight only.
    slot.record.Release();
    m_recordBytes.fetch_sub(slot.counted);
    slot.counted = 0;
    slot.done.store(false, std::memory_order_relaxed);
    m_oldest.store(m_front);
    LetScansGoOn();
}

void ScanRing::LetScansGoOn() {
    m_paced.fetch_add(1);
    if (m_pacing.load() > 0)
        m_paced.notify_all();
}

void ScanRing::Count(ScanSlot& slot) {
    const size_t bytes = slot.record.HeldBytes();
    if (bytes > slot.counted)
        m_recordBytes.fetch_add(bytes - slot.counted);
    else
        m_recordBytes.fetch_sub(slot.counted - bytes);
    slot.counted = bytes;
}

bool ScanRing::MayGoOn(const ScanSlot& slot) const {
    return m_recordBytes.load() <= m_recordCap || slot.position == m_oldest.load() ||
           m_stopped.load();
}

void ScanRing::WaitToGoOn(const ScanSlot& slot) {
    m_pacing.fetch_add(1);
    for (;;) {
        const uint32_t paced = m_paced.load();
        if (MayGoOn(slot))
            break;
        m_paced.wait(paced);
    }
    m_pacing.fetch_sub(1);
}

void ScanRing::Stop() {
    m_stopped.store(true);
    LetScansGoOn();
}

void ScanRing::WaitFront() {
    if (m_hooks && m_hooks->waiting)
        m_hooks->waiting(m_front);
    ScanSlot& slot = m_slots[m_front % m_slots.size()];
    slot.awaited.store(true);
    if (!slot.done.load())
        slot.done.wait(false, std::memory_order_acquire);
    slot.awaited.store(false, std::memory_order_relaxed);
}

void ScanRing::Close() {
    m_produced.fetch_or(kClosed, std::memory_order_release);
    m_produced.notify_all();
}

ScanSlot* ScanRing::Claim(Run& run) {
    uint64_t position = run.next;
    if (position < run.end) {
        ++run.next;
    } else {
        position = m_claimed.fetch_add(1);
        uint64_t produced;
        while (((produced = m_produced.load(std::memory_order_acquire)) & ~kClosed) <= position) {
            if (produced & kClosed)
                return nullptr;
            m_produced.wait(produced, std::memory_order_acquire);
        }
        Extend(position, produced & ~kClosed, run);
    }
    if (m_hooks && m_hooks->claimed)
        m_hooks->claimed(position);
    return &m_slots[position % m_slots.size()];
}

void ScanRing::Extend(uint64_t position, uint64_t produced, Run& run) {
    // Every published item after `position` is in the ring with it, so a run
    // never reaches round to a slot of its own.
    const uint64_t share = (produced - position - 1) / m_claimers;
    const uint64_t last = position + 1 + std::min(share, kLongestRun - 1);
    const uint64_t folder = m_slots[position % m_slots.size()].item.folderSeq;
    uint64_t end = position + 1;
    while (end < last && m_slots[end % m_slots.size()].item.folderSeq == folder)
        ++end;
    uint64_t expected = position + 1;
    if (end > expected && m_claimed.compare_exchange_strong(expected, end)) {
        run.next = position + 1;
        run.end = end;
    }
}

void ScanRing::Done(ScanSlot& slot) {
    Count(slot);
    slot.done.store(true);
    if (slot.awaited.load())
        slot.done.notify_one();
}
