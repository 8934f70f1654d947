#include "PaneLayout.h"

#include <algorithm>
#include <map>

#include "AutoHideManager.h"
#include "DockPane.h"
#include "TabDockingBox.h"

namespace {

const char kPlacementKey[] = "placement";

bool IsFloatingRecord(const PaneLayoutRecord& r) { return (r.placement.place.flags & kPlaceFloating) != 0; }

uint32_t StoredHandle(HWND window) { return HandleToULong(window); }

}  // namespace

// ---- one pane ----

bool CPaneLayoutItem::CaptureAndHide() {
    m_captured = PaneLayoutRecord{};
    if (!m_pane || !m_pane->GetLayoutState(m_captured)) {
        m_captured.placement.pane = nullptr;
        return false;
    }
    m_pane->Hide();
    return true;
}

bool CPaneLayoutItem::GetPaneState(PaneLayoutRecord& record) { return m_pane && m_pane->GetLayoutState(record); }

bool CPaneLayoutItem::ApplyPaneState(PaneLayoutRecord& record, LayoutRatio x, LayoutRatio y) {
    if (!m_pane) return false;
    DockPlacementForm& place = record.placement.place;
    if (record.docked && !(place.flags & kPlaceFloating)) {
        bool leftRight = (place.flags & kPlaceLeftRight) != 0;
        place.size = (leftRight ? x : y).Scale(place.size);
        place.length = (leftRight ? y : x).Scale(place.length);
    }
    RECT& r = record.floatRect;
    r = {x.Scale(r.left), y.Scale(r.top), x.Scale(r.right), y.Scale(r.bottom)};
    return m_pane->SetLayoutState(record);
}

bool CPaneLayoutItem::Store(CLayoutStore& store) {
    PaneLayoutRecord record;
    if (!GetPaneState(record)) return false;
    PaneRecordBytes bytes = SerialisePaneRecord(record);
    return store.WriteBinary(kPlacementKey, bytes.data(), bytes.size()) == kLayoutOk;
}

bool CPaneLayoutItem::Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) {
    PaneRecordBytes bytes{};
    if (!store.ReadExact(kPlacementKey, bytes.data(), bytes.size())) return false;
    PaneLayoutRecord record = DeserialisePaneRecord(bytes);
    return ApplyPaneState(record, x, y);
}

bool CPaneLayoutItem::RestoreDefault() {
    if (m_pane && m_captured.placement.pane) {
        PaneLayoutRecord record = m_captured;
        m_pane->SetLayoutState(record);
    }
    return true;
}

// ---- the order of a restore ----

uint64_t PaneBoxGroup(const QueuedPaneRecord& entry) {
    // Floating boxes by their whole identity; docked slots without the tab index.
    if (IsFloatingRecord(entry.record)) return (1ull << 32) | entry.key;
    return PaneSlotKey(entry.key);
}

std::vector<QueuedPaneRecord> OrderPaneRecords(std::vector<QueuedPaneRecord> queue) {
    // A pane of a two-pane box names the other pane as its target, so the
    // pair is keyed by the smaller of their handles, as one box.
    for (QueuedPaneRecord& a : queue) {
        if (!IsFloatingRecord(a.record)) continue;
        for (const QueuedPaneRecord& b : queue) {
            if (&a == &b || !IsFloatingRecord(b.record)) continue;
            if (b.record.placement.pane == a.record.placement.target &&
                b.record.placement.target == a.record.placement.pane) {
                uint32_t identity = std::min(StoredHandle(a.record.placement.pane), StoredHandle(b.record.placement.pane));
                a.key = 0xE0000000u | identity;
            }
        }
    }
    std::stable_sort(queue.begin(), queue.end(), [](const QueuedPaneRecord& a, const QueuedPaneRecord& b) {
        bool fa = IsFloatingRecord(a.record), fb = IsFloatingRecord(b.record);
        if (fa != fb) return fb;
        if (a.key != b.key) return a.key < b.key;
        return a.record.placement.place.index < b.record.placement.place.index;
    });
    return queue;
}

// ---- the group ----

struct CPaneLayoutGroup::BoxGroup {
    bool started = false;
    uint64_t identity = 0;
    CDockPaneBase* last = nullptr;
    CDockPaneBase* active = nullptr;
    bool lastVisible = true;
};

struct CPaneLayoutGroup::PinGroup {
    std::vector<HWND> panes;
    HWND active = nullptr;
    DWORD flags = 0;
    LONG position = 0;
    LONG size = 0;
};

int CPaneLayoutGroup::AddPane(CDockPaneBase* pane) {
    auto* item = new CPaneLayoutItem(pane);
    int id = AddChild(item);
    item->Release();  // the group's reference is the one left
    return id;
}

bool CPaneLayoutGroup::Store(CLayoutStore& store) {
    for (auto& [id, child] : m_children) {
        PaneLayoutRecord record;
        if (!static_cast<CPaneLayoutItem*>(child.get())->GetPaneState(record)) continue;
        PaneRecordBytes bytes = SerialisePaneRecord(record);
        store.WriteBinary(LayoutChildKey(id).c_str(), bytes.data(), bytes.size());
    }
    return true;
}

bool CPaneLayoutGroup::RestoreDefault() { return CLayoutContainer::RestoreDefault(); }

bool CPaneLayoutGroup::StandsAsStored(CLayoutStore& store, LayoutRatio x, LayoutRatio y) {
    if (x.current != x.stored || y.current != y.stored) return false;
    // A target only groups the panes of one slot or box, by a handle that
    // differs from run to run: the groups must match, one to one.
    std::map<uint32_t, HWND> targetToday;
    std::map<HWND, uint32_t> targetStored;
    const auto sameGroup = [&](HWND stored, HWND today) {
        if (!stored || !today) return !stored && !today;
        auto forth = targetToday.emplace(StoredHandle(stored), today).first;
        auto back = targetStored.emplace(today, StoredHandle(stored)).first;
        return forth->second == today && back->second == StoredHandle(stored);
    };
    for (auto& [id, child] : m_children) {
        auto* item = static_cast<CPaneLayoutItem*>(child.get());
        if (!item->Pane()) continue;
        PaneRecordBytes bytes{};
        PaneLayoutRecord today;
        if (!store.ReadExact(LayoutChildKey(id).c_str(), bytes.data(), bytes.size()) || !item->GetPaneState(today))
            return false;
        PaneLayoutRecord stored = DeserialisePaneRecord(bytes);
        if (!sameGroup(stored.placement.target, today.placement.target)) return false;
        stored.placement.pane = today.placement.pane;
        stored.placement.target = today.placement.target;
        if (SerialisePaneRecord(stored) != SerialisePaneRecord(today)) return false;
    }
    return true;
}

bool CPaneLayoutGroup::Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) {
    if (StandsAsStored(store, x, y)) return true;
    for (auto& [id, child] : m_children) static_cast<CPaneLayoutItem*>(child.get())->CaptureAndHide();

    std::vector<QueuedPaneRecord> queue;
    for (auto& [id, child] : m_children) {
        auto* item = static_cast<CPaneLayoutItem*>(child.get());
        if (!item->Pane()) continue;
        PaneRecordBytes bytes{};
        if (!store.ReadExact(LayoutChildKey(id).c_str(), bytes.data(), bytes.size())) {
            item->RestoreDefault();
            continue;
        }
        PaneLayoutRecord record = DeserialisePaneRecord(bytes);
        if (!record.docked) {
            if (!item->ApplyPaneState(record, x, y)) item->RestoreDefault();
            continue;
        }
        queue.push_back({record, PaneSortKey(record), id});
    }

    BoxGroup box;
    PinGroup pins;
    for (QueuedPaneRecord& entry : OrderPaneRecords(std::move(queue))) {
        auto* item = static_cast<CPaneLayoutItem*>(m_children[entry.id].get());
        PaneLayoutRecord& record = entry.record;
        const DWORD flags = record.placement.place.flags;
        if ((flags & kPlaceAutoHidden) && !(flags & kPlaceFloating)) {
            // Hidden first; the frame's pin then adopts the pane.
            LONG size = ((flags & kPlaceLeftRight) ? x : y).Scale(record.placement.place.size);
            LONG position = record.placement.place.position;
            record.floatRect = RECT{};
            record.docked = 0;
            record.visible = 0;
            item->ApplyPaneState(record, x, y);
            if (!pins.panes.empty() && ((flags & 3) != (pins.flags & 3) || position != pins.position)) FlushPins(pins);
            pins.flags = flags;
            pins.position = position;
            pins.size = size;
            pins.panes.push_back(item->Pane()->m_hWnd);
            if (flags & kPlaceActive) pins.active = item->Pane()->m_hWnd;
            continue;
        }
        // A finished pin group goes to its bar before the next box docks, so
        // that the box is laid out beside the bar as it was when stored.
        FlushPins(pins);
        uint64_t identity = PaneBoxGroup(entry);
        if (!box.started || identity != box.identity) {
            FinishBox(box);
            box.started = true;
            box.identity = identity;
            record.placement.target = nullptr;
        } else {
            record.placement.target = box.last->m_hWnd;
        }
        box.lastVisible = record.visible != 0;
        record.visible = 1;
        item->ApplyPaneState(record, x, y);
        box.last = item->Pane();
        if (flags & kPlaceActive) box.active = item->Pane();
    }
    FinishBox(box);
    FlushPins(pins);
    return true;
}

void CPaneLayoutGroup::FinishBox(BoxGroup& box) {
    if (!box.last) return;
    // The box selects the formerly active tab.
    if (box.active && box.active != box.last) box.active->ShowInContainer();
    if (!box.lastVisible) {
        // Only a tab docking box hides itself on WM_CLOSE; a slot window would
        // be destroyed with the pane, so a lone pane hides itself.
        HWND parent = ::GetParent(box.last->m_hWnd);
        if (parent && CTabDockingBox::FromWindow(parent))
            ::SendMessageA(parent, WM_CLOSE, 0, 0);
        else
            box.last->Hide();
    }
    box.last = nullptr;
    box.active = nullptr;
    box.lastVisible = true;
}

void CPaneLayoutGroup::FlushPins(PinGroup& pins) {
    if (pins.panes.empty()) return;
    DockMessage record(pins.active ? pins.active : pins.panes.front(), nullptr, kDockPin);
    record.pin.flags = pins.flags;
    record.pin.size = pins.size;
    record.pin.showNow = 0;
    record.pin.count = (LONG)pins.panes.size();
    record.pin.panes = pins.panes.size() >= 2 ? pins.panes.data() : nullptr;
    RequestPinToAutoHide(m_frame, record);
    pins = PinGroup{};
}
