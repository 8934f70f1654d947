#pragma once
// The arithmetic of a row of slots along one axis, shared by the docking
// areas (entries own slot objects) and the slot windows (entries are panes).
// Slot i's bar occupies [offset, offset + 5), its window offset + 5 up to the
// next offset (the last: up to the extent's end). The extent starts 5 before
// the area, so the first bar lies outside it.
#include <windows.h>

#include <cstddef>
#include <deque>
#include <functional>
#include <utility>

#include "DockGeometry.h"

template <typename T>
class CPaneSequence {
public:
    struct Slot {
        int offset;
        T item;
    };
    using MinimumFn = std::function<int(const T&)>;
    static constexpr size_t npos = (size_t)-1;

    CPaneSequence(Axis axis, MinimumFn minimum) : m_axis(axis), m_minimum(std::move(minimum)) {}

    Axis GetAxis() const { return m_axis; }
    size_t Count() const { return m_slots.size(); }
    bool Empty() const { return m_slots.empty(); }
    Slot& operator[](size_t i) { return m_slots[i]; }
    const Slot& operator[](size_t i) const { return m_slots[i]; }
    int From() const { return m_from; }
    int To() const { return m_to; }

    // Where slot i ends: the next offset, the extent's end for the last.
    int SlotEnd(size_t i) const { return i + 1 < m_slots.size() ? m_slots[i + 1].offset : m_to; }
    int Minimum(size_t i) const { return m_minimum(m_slots[i].item); }
    // Each slot's minimum plus its bar, over [first, last).
    int MinSum(size_t first, size_t last) const {
        int sum = 0;
        for (size_t i = first; i < last && i < m_slots.size(); ++i) sum += Minimum(i) + kBarSize;
        return sum;
    }
    int MinSum() const { return MinSum(0, m_slots.size()); }

    // The last slot whose offset is at most pos; the first when none is.
    size_t FindSlot(int pos) const {
        size_t lo = 0, hi = m_slots.size();
        while (hi - lo > 1) {
            size_t mid = (lo + hi) / 2;
            if (m_slots[mid].offset <= pos)
                lo = mid;
            else
                hi = mid;
        }
        return lo;
    }

    // The first-third rule: beyond the first third of the slot found, after it.
    size_t InsertIndex(int pos) const {
        if (m_slots.empty()) return 0;
        size_t s = FindSlot(pos);
        int offset = m_slots[s].offset;
        return pos > offset + (SlotEnd(s) - offset) / 3 ? s + 1 : s;
    }

    size_t IndexOf(const std::function<bool(const T&)>& match) const {
        for (size_t i = 0; i < m_slots.size(); ++i)
            if (match(m_slots[i].item)) return i;
        return npos;
    }

    void SetExtent(int from, int to) {
        int oldFrom = m_from, oldTo = m_to;
        m_from = from;
        m_to = to;
        if (oldFrom == oldTo) return;
        ScaleOffsets(to - from, oldTo - oldFrom);
    }

    // A change goes to the centre first, down to its minimum plus a bar; the
    // rest is spread over all slots.
    void SetExtentAroundCentre(int from, int to, size_t centre) {
        int oldFrom = m_from, oldTo = m_to;
        if (centre >= m_slots.size()) return SetExtent(from, to);
        int centreLength = SlotEnd(centre) - m_slots[centre].offset;
        m_from = from;
        m_to = to;
        if (oldFrom == oldTo) return;
        int d = (to - from) - (oldTo - oldFrom);
        if (d < 0) {
            int limit = Minimum(centre) + kBarSize - centreLength;
            if (limit > 0) limit = 0;  // a centre already below its minimum gives nothing
            if (d < limit) d = limit;
        }
        for (size_t i = centre + 1; i < m_slots.size(); ++i) m_slots[i].offset += d;
        ScaleOffsets(to - from, oldTo - oldFrom + d);
    }

    // Moves the first slot to the extent's start and scales the others by
    // newLength / oldLength, keeping every slot at its minimum.
    void ScaleOffsets(int newLength, int oldLength) {
        if (m_slots.empty()) return;
        int shift = m_from - m_slots[0].offset;
        m_slots[0].offset = m_from;
        int lo = m_from + Minimum(0) + kBarSize;
        int hi = m_to - MinSum(1, m_slots.size());
        for (size_t i = 1; i < m_slots.size(); ++i) {
            int offset = m_slots[i].offset + shift;
            if (oldLength > 0) offset = m_from + ::MulDiv(offset - m_from, newLength, oldLength);
            if (offset < lo)
                offset = lo;  // lo wins over hi
            else if (offset > hi)
                offset = hi;
            m_slots[i].offset = offset;
            hi += Minimum(i) + kBarSize;
            lo = offset + Minimum(i) + kBarSize;
        }
    }

    // The length a new slot at index could get: L cut to the room the
    // minimums of the others leave.
    int RoomAt(size_t index, int length) const {
        int room = (m_to - MinSum(index, m_slots.size())) - (m_from + MinSum(0, index));
        return length > room ? room : length;
    }

    // Inserts at index with offset p and length L (cut to the room left);
    // neighbours are pulled back or pushed on only as far as needed. With a
    // minLength of 0 or more, refused (npos) when the slot would get less
    // than minLength plus its bar.
    size_t InsertAt(size_t index, int p, int length, T item, int minLength = -1) {
        if (index > m_slots.size()) index = m_slots.size();
        int before = MinSum(0, index), after = MinSum(index, m_slots.size());
        length = RoomAt(index, length);
        if (minLength >= 0 && length < minLength + kBarSize) return npos;
        int d = p;
        if (d < m_from + before) d = m_from + before;
        if (d + length > m_to - after) d = m_to - after - length;
        int bound = d;
        for (size_t i = index; i-- > 0;) {
            bound -= Minimum(i) + kBarSize;
            if (m_slots[i].offset > bound) m_slots[i].offset = bound;
            bound = m_slots[i].offset;
        }
        bound = d + length;
        for (size_t i = index; i < m_slots.size(); ++i) {
            if (m_slots[i].offset < bound) m_slots[i].offset = bound;
            bound = m_slots[i].offset + Minimum(i) + kBarSize;
        }
        if (index == 0) d = m_from;
        m_slots.insert(m_slots.begin() + index, Slot{d, std::move(item)});
        return index;
    }

    size_t InsertSlot(int p, int length, T item, int minLength = -1) {
        return InsertAt(InsertIndex(p), p, length, std::move(item), minLength);
    }

    // Makes room for a new slot at index by shrinking the centre (down to its
    // minimum plus a bar), then inserts it. Refused, changing nothing, when
    // the slot would get less than minLength plus its bar.
    size_t TakeFromCentre(size_t index, size_t centre, int requested, int length, T item, int minLength) {
        if (centre >= m_slots.size() || index > m_slots.size()) return npos;
        int give = SlotEnd(centre) - m_slots[centre].offset - Minimum(centre) - kBarSize;
        if (length > give) length = give;
        if (RoomAt(index, length) < minLength + kBarSize) return npos;
        if (index <= centre) {
            for (size_t i = index; i <= centre; ++i) m_slots[i].offset += length;
        } else {
            for (size_t i = centre + 1; i < index; ++i) m_slots[i].offset -= length;
        }
        return InsertAt(index, requested, length, std::move(item), minLength);
    }

    // Removes slot i; a new first slot starts at the extent's start.
    T Remove(size_t i) {
        T item = std::move(m_slots[i].item);
        m_slots.erase(m_slots.begin() + i);
        if (i == 0 && !m_slots.empty()) m_slots[0].offset = m_from;
        return item;
    }

    // Removes slot i and gives its length to the centre: the slots between
    // move toward the removed slot's edge.
    T RemoveToCentre(size_t i, size_t centre) {
        int length = SlotEnd(i) - m_slots[i].offset;
        if (i < centre) {
            for (size_t k = i + 1; k <= centre && k < m_slots.size(); ++k) m_slots[k].offset -= length;
        } else if (i > centre) {
            for (size_t k = centre + 1; k < i; ++k) m_slots[k].offset += length;
        }
        T item = std::move(m_slots[i].item);
        m_slots.erase(m_slots.begin() + i);
        return item;
    }

    // The range bar k may be dragged in.
    int BarLo(size_t k) const { return m_from + MinSum(0, k); }
    int BarHi(size_t k) const { return m_to - MinSum(k, m_slots.size()); }

    // Bar k moves to c; the neighbours give way only as far as their minimums need.
    void ApplyBarOffset(size_t k, int c) {
        if (k == 0 || k >= m_slots.size()) return;
        m_slots[k].offset = c;
        int bound = c;
        for (size_t i = k; i-- > 0;) {
            bound -= Minimum(i) + kBarSize;
            if (i == 0) break;  // the first slot stays at the extent's start
            if (m_slots[i].offset > bound) m_slots[i].offset = bound;
            bound = m_slots[i].offset;
        }
        bound = c + Minimum(k) + kBarSize;
        for (size_t i = k + 1; i < m_slots.size(); ++i) {
            if (m_slots[i].offset < bound) m_slots[i].offset = bound;
            bound = m_slots[i].offset + Minimum(i) + kBarSize;
        }
    }

    // The slot window span of slot i: after its bar, up to the next bar.
    std::pair<int, int> WindowSpan(size_t i) const { return {m_slots[i].offset + kBarSize, SlotEnd(i)}; }

    // The bars of every slot but the first, across `area`.
    template <typename Fn>
    void ForEachBar(const RECT& area, Fn&& fn) const {
        for (size_t i = 1; i < m_slots.size(); ++i) fn(SplitterBarRect(area, m_axis, m_slots[i].offset));
    }

    // The bar under pos: its slot index, or npos (the first slot has none).
    size_t BarAt(int pos) const {
        if (m_slots.size() < 2) return npos;
        size_t s = FindSlot(pos);
        if (s == 0) return npos;
        int offset = m_slots[s].offset;
        return pos >= offset && pos < offset + kBarSize ? s : npos;
    }

private:
    Axis m_axis;
    MinimumFn m_minimum;
    std::deque<Slot> m_slots;
    int m_from = 0;
    int m_to = 0;
};
