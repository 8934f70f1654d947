#include "DockSplitter.h"

#include <algorithm>

#include "BarTracker.h"
#include "PackageWindowFrame.h"

CDockSplitter::CDockSplitter(Axis along)
    : m_seq(along, [along](const SlotPtr& slot) { return slot->MinExtent(along); }) {}

size_t CDockSplitter::CentreIndex() const {
    return m_centre ? m_seq.IndexOf([this](const SlotPtr& s) { return s.get() == m_centre; }) : Sequence::npos;
}

RECT CDockSplitter::SlotRect(size_t i) const {
    auto [start, end] = m_seq.WindowSpan(i);
    Axis across = Across(GetAxis());
    return MakeRect(GetAxis(), start, end, StartOf(m_rect, across), EndOf(m_rect, across));
}

void CDockSplitter::SetRect(const RECT& r) {
    if (::EqualRect(&r, &m_rect)) return;
    m_rect = r;
    int from = StartOf(r, GetAxis()) - kBarSize;
    int to = EndOf(r, GetAxis());
    // Too small: the area runs past the frame rather than squeeze a slot.
    if (to - from < m_seq.MinSum()) to = from + m_seq.MinSum();
    size_t centre = CentreIndex();
    if (centre != Sequence::npos)
        m_seq.SetExtentAroundCentre(from, to, centre);
    else
        m_seq.SetExtent(from, to);
    PlaceSlots();
}

bool CDockSplitter::PlaceSlots() {
    if (m_seq.Empty()) return true;
    HDWP batch = ::BeginDeferWindowPos((int)m_seq.Count());
    for (size_t i = 0; batch && i < m_seq.Count(); ++i) batch = m_seq[i].item->Place(batch, SlotRect(i));
    return batch && ::EndDeferWindowPos(batch);
}

void CDockSplitter::SetCentreWindow(HWND* window, const RECT& s) {
    auto cell = std::make_unique<CCentreWindowCell>(window);
    m_centre = cell.get();
    m_seq.InsertSlot(StartOf(s, GetAxis()), LengthOf(s, GetAxis()), std::move(cell));
    PlaceSlots();
}

void CDockSplitter::SetCentreArea(CDockSplitter& nested, const RECT& s) {
    auto cell = std::make_unique<CCentreAreaCell>(nested);
    m_centre = cell.get();
    m_seq.InsertSlot(StartOf(s, GetAxis()), LengthOf(s, GetAxis()), std::move(cell));
    PlaceSlots();
}

LRESULT CDockSplitter::HitTest(DockMessage& record) {
    const Axis axis = GetAxis();
    const Axis across = Across(axis);
    POINT drop{record.drag.rect.left, record.drag.rect.top};
    int q = Along(drop, axis);
    if (CentreIndex() == Sequence::npos) return 0;
    size_t at;
    if (::PtInRect(&m_rect, drop)) {
        size_t s = m_seq.FindSlot(q);
        if (q < m_seq[s].offset + kHitMargin) {
            at = s;
        } else if (q <= m_seq.SlotEnd(s) - kHitMargin) {
            if (s == CentreIndex()) return 0;
            return m_seq[s].item->HitTest(record);
        } else {
            at = s + 1;
        }
    } else {
        RECT margin = m_rect;
        if (axis == Axis::X)
            ::InflateRect(&margin, kHitMargin, 0);
        else
            ::InflateRect(&margin, 0, kHitMargin);
        if (!::PtInRect(&margin, drop)) return 0;
        at = q < m_seq.To() ? 0 : m_seq.Count();
    }
    size_t centre = CentreIndex();
    bool afterCentre = centre != Sequence::npos && at > centre;

    MINMAXINFO mmi = QueryMinMax(record.pane);
    if (mmi.ptMinTrackSize.x > m_rect.right - m_rect.left || mmi.ptMinTrackSize.y > m_rect.bottom - m_rect.top)
        return 0;
    if (MinTrackAlong(mmi, axis) + m_seq.MinSum() >= LengthOf(m_rect, axis)) return 0;

    if (afterCentre) record.drag.dropFlags |= kDropAfterCentre;
    int length = LengthOf(record.drag.rect, axis);
    int start, end;
    if (afterCentre) {
        end = at < m_seq.Count() ? m_seq[at].offset : m_seq.To();
        start = end - length;
    } else {
        start = m_seq[at].offset + kBarSize;
        end = start + length;
    }
    record.drag.rect = MakeRect(axis, start, end, StartOf(m_rect, across), EndOf(m_rect, across));
    return 1;
}

// Makes a slot window, gives it room at index and hands it the record.
size_t CDockSplitter::InsertSlotWindow(size_t index, int requested, int length, HWND pane, HWND frame, UINT code,
                                       DockMessage& record, LRESULT& reply) {
    reply = 0;
    size_t centre = CentreIndex();
    if (centre == Sequence::npos) return Sequence::npos;
    SlotPtr slot = CreatePackageFrame(frame, Across(GetAxis()));
    if (!slot) return Sequence::npos;
    HWND window = slot->Window();
    int paneMinimum = MinTrackAlong(QueryMinMax(pane), GetAxis());
    size_t at = m_seq.TakeFromCentre(index, centre, requested, length, std::move(slot), paneMinimum);
    if (at == Sequence::npos) {
        ::DestroyWindow(window);
        return at;
    }
    PlaceSlots();
    record.code = code;
    record.target = window;
    if (code == kDockDock) ::GetWindowRect(window, &record.drag.rect);
    reply = SendDockMessage(window, record);
    if (!reply) {
        // The slot window took nothing: no empty slot may stay behind.
        RemoveSlot(window);
        ::DestroyWindow(window);
    }
    return at;
}

LRESULT CDockSplitter::InsertNewSlot(DockMessage& record, HWND frame) {
    if (m_seq.Empty()) return 0;
    RECT r = record.drag.rect;
    ::MapWindowPoints(nullptr, frame, (POINT*)&r, 2);
    const Axis axis = GetAxis();
    int start = StartOf(r, axis), end = EndOf(r, axis), length = end - start;
    bool after = (record.drag.dropFlags & kDropAfterCentre) != 0;
    size_t index;
    if (after)
        index = end >= m_seq.To() ? m_seq.Count() : m_seq.FindSlot(end);
    else
        index = m_seq.FindSlot(start);
    int requested = after ? end - length - kBarSize : start - kBarSize;
    LRESULT reply;
    InsertSlotWindow(index, requested, length + kBarSize, record.pane, frame, kDockDock, record, reply);
    return reply;
}

LRESULT CDockSplitter::RemoveSlot(HWND slotWindow) {
    if (!slotWindow) return 0;
    size_t i = m_seq.IndexOf([slotWindow](const SlotPtr& s) { return s->Window() == slotWindow; });
    size_t centre = CentreIndex();
    if (i == Sequence::npos || i == centre) return 0;
    m_seq.RemoveToCentre(i, centre);
    PlaceSlots();
    return 1;
}

LRESULT CDockSplitter::QueryPlacement(DockMessage& record) {
    HWND parent = record.pane ? ::GetParent(record.pane) : nullptr;
    size_t i = m_seq.IndexOf([&](const SlotPtr& s) {
        HWND w = s->Window();
        return w && (w == record.target || w == parent);
    });
    if (i == Sequence::npos) return 0;
    HWND window = m_seq[i].item->Window();
    record.place.size = m_seq.SlotEnd(i) - m_seq[i].offset - kBarSize;
    if (i < CentreIndex()) {
        record.place.position = (LONG)i;
        record.place.flags |= kPlaceBeforeCentre;
    } else {
        record.place.position = (LONG)(m_seq.Count() - i - 1);
    }
    record.target = window;
    return SendDockMessage(window, record);
}

LRESULT CDockSplitter::DockPane(DockMessage& record, HWND frame) {
    size_t centre = CentreIndex();
    if (centre == Sequence::npos) return 0;
    const Axis axis = GetAxis();
    int minimum = MinTrackAlong(QueryMinMax(record.pane), axis);
    if (record.place.size < minimum) record.place.size = minimum;
    const bool before = (record.place.flags & kPlaceBeforeCentre) != 0;
    const size_t n = m_seq.Count();
    const size_t position = record.place.position > 0 ? (size_t)record.place.position : 0;
    // Walk from the outer edge. A pane joining a slot window never lands on
    // the centre unless it is the edge; a pane in a new slot stops at the
    // centre, so it comes back at its own index past the slots there are.
    const bool alone = (record.place.flags & kPlaceAlone) != 0;
    size_t found;
    if (before)
        found = centre == 0 ? centre : std::min(position, alone ? centre : centre - 1);
    else
        found = centre + 1 == n ? centre
                                : std::max(n - 1 - std::min(position, n - 1), alone ? centre : centre + 1);
    if (found != centre && !alone) {
        HWND window = m_seq[found].item->Window();
        record.target = window;
        return SendDockMessage(window, record);
    }
    size_t index = before ? found : found + 1;
    int requested;
    if (before) {
        requested = m_seq[found].offset;
    } else {
        int next = found + 1 < n ? m_seq[found + 1].offset : m_seq.To();
        requested = std::max(m_seq.From(), next - (int)record.place.size - kBarSize);
    }
    LRESULT reply;
    InsertSlotWindow(index, requested, record.place.size + kBarSize, record.pane, frame, kDockAtPlacement, record,
                     reply);
    return reply;
}

void CDockSplitter::FillMinMax(MINMAXINFO& mmi) const {
    const Axis axis = GetAxis();
    int along = 0, across = 0;
    for (size_t i = 0; i < m_seq.Count(); ++i) {
        MINMAXINFO slot{};
        m_seq[i].item->FillMinMax(slot);
        along += MinTrackAlong(slot, axis) + kBarSize;
        across = std::max(across, (int)MinTrackAlong(slot, Across(axis)));
    }
    if (along > 0) along -= kBarSize;
    if (axis == Axis::X)
        mmi.ptMinTrackSize = {along, across};
    else
        mmi.ptMinTrackSize = {across, along};
}

void CDockSplitter::DrawBars(HDC dc) const {
    HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
    m_seq.ForEachBar(m_rect, [&](const RECT& bar) { ::FillRect(dc, &bar, face); });
}

size_t CDockSplitter::BarAt(POINT p) const {
    if (!::PtInRect(&m_rect, p)) return Sequence::npos;
    return m_seq.BarAt(Along(p, GetAxis()));
}

bool CDockSplitter::TrackBar(HWND frame, size_t k, POINT press, bool outline) {
    BarTrack t;
    t.owner = frame;
    t.axis = GetAxis();
    t.area = m_rect;
    t.offset = m_seq[k].offset;
    t.grab = Along(press, t.axis) - t.offset;
    t.lo = m_seq.BarLo(k);
    t.hi = m_seq.BarHi(k);
    t.outline = outline;
    t.apply = [this, frame, k](int c) {
        m_seq.ApplyBarOffset(k, c);
        PlaceSlots();
        ::RedrawWindow(frame, &m_rect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    return TrackSplitterBar(t);
}
