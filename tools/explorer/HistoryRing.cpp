#include "HistoryRing.h"

HistoryRing::~HistoryRing() { Clear(); }

void HistoryRing::Clear() {
    for (LPITEMIDLIST& list : m_slots) {
        if (list) ::ILFree(list);
        list = nullptr;
    }
    m_index = 0;
}

void HistoryRing::Push(LPITEMIDLIST list) {
    if (!list) return;
    if (m_slots[m_index]) {
        m_index = (m_index + 1) % kSlots;
        if (m_slots[m_index]) ::ILFree(m_slots[m_index]);  // the oldest goes
    }
    m_slots[m_index] = list;
}

LPITEMIDLIST HistoryRing::Pop() {
    LPITEMIDLIST list = m_slots[m_index];
    if (!list) return nullptr;
    m_slots[m_index] = nullptr;
    m_index = (m_index + kSlots - 1) % kSlots;
    return list;
}

void HistoryRing::Walk(const std::function<void(LPCITEMIDLIST list, int slot)>& callback) const {
    for (int step = 0, slot = m_index; step < kSlots && m_slots[slot]; ++step, slot = (slot + kSlots - 1) % kSlots)
        callback(m_slots[slot], slot);
}

LPITEMIDLIST HistoryRing::PopTo(int slot, HistoryRing& other) {
    if (slot < 0 || slot >= kSlots || !m_slots[slot]) return nullptr;
    while (m_index != slot && HasCurrent()) other.Push(Pop());
    return m_index == slot ? Pop() : nullptr;
}
