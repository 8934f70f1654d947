#pragma once
// The explorer pane's back and forward histories: eight item-ID-list slots
// in a ring around a current index. The ring owns the lists it holds; a
// ninth push frees the oldest.
#include <windows.h>
#include <shlobj.h>

#include <functional>

class HistoryRing {
public:
    static constexpr int kSlots = 8;

    HistoryRing() = default;
    ~HistoryRing();
    HistoryRing(const HistoryRing&) = delete;
    HistoryRing& operator=(const HistoryRing&) = delete;

    // Takes the list.
    void Push(LPITEMIDLIST list);
    // The newest list, given up by the ring; null when empty.
    LPITEMIDLIST Pop();
    bool HasCurrent() const { return m_slots[m_index] != nullptr; }
    // From the newest back, while slots hold lists.
    void Walk(const std::function<void(LPCITEMIDLIST list, int slot)>& callback) const;
    // Pops onto other until the index is at slot, then pops once more and
    // gives that list up; null when slot holds none.
    LPITEMIDLIST PopTo(int slot, HistoryRing& other);
    void Clear();

private:
    LPITEMIDLIST m_slots[kSlots] = {};
    int m_index = 0;
};
