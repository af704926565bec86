#include "ScanRing.h"

#include "SearchHooks.h"

ScanRing::ScanRing(size_t slots, const SearchHooks* hooks)
    : m_slots(slots > 0 ? slots : 1), m_hooks(hooks) {}

void ScanRing::Publish() {
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
    slot.open = FolderListing::OpenResult::Skipped;
    slot.count = 0;
    slot.record.Clear();
    slot.done.store(false, std::memory_order_relaxed);
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

ScanSlot* ScanRing::Claim() {
    const uint64_t position = m_claimed.fetch_add(1);
    uint64_t produced;
    while (((produced = m_produced.load(std::memory_order_acquire)) & ~kClosed) <= position) {
        if (produced & kClosed)
            return nullptr;
        m_produced.wait(produced, std::memory_order_acquire);
    }
    if (m_hooks && m_hooks->claimed)
        m_hooks->claimed(position);
    return &m_slots[position % m_slots.size()];
}

void ScanRing::Done(ScanSlot& slot) {
    slot.done.store(true);
    if (slot.awaited.load())
        slot.done.notify_one();
}
