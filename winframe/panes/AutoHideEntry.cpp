#include "AutoHideEntry.h"

#include <new>

#include "PaneParenting.h"
#include "TextEllipsis.h"

namespace {

int SmallIconWidth() { return ::GetSystemMetrics(SM_CXSMICON); }
int SmallIconHeight() { return ::GetSystemMetrics(SM_CYSMICON); }

LRESULT SendRestore(HWND to, DockMessage& record) {
    record.code = kDockAtPlacement;
    return SendDockMessage(to, record);
}

// An entry's tab: icon at the start when there is room, then the text.
void DrawTab(HDC dc, const AutoHideEntry& e, const RECT& tab, bool verticalBar, bool iconOnly) {
    RECT in = tab;
    ::InflateRect(&in, -3, -3);
    int cx = SmallIconWidth(), cy = SmallIconHeight();
    int along = verticalBar ? tab.bottom - tab.top : tab.right - tab.left;
    int across = verticalBar ? tab.right - tab.left : tab.bottom - tab.top;
    if (iconOnly) {
        // A short tab shows its icon at the corner when both ways leave room, else its text.
        if (e.icon && along >= cx + 6 && across >= cy + 6) {
            ::DrawIconEx(dc, in.left, in.top, e.icon, cx, cy, 0, nullptr, DI_NORMAL);
            return;
        }
    } else if (e.icon && (verticalBar ? in.bottom - in.top : in.right - in.left) > cx + 6) {
        int room = verticalBar ? in.right - in.left : in.bottom - in.top;
        int x = verticalBar ? in.left + (room - cx) / 2 : in.left;
        int y = verticalBar ? in.top : in.top + (room - cy) / 2;
        ::DrawIconEx(dc, x, y, e.icon, cx, cy, 0, nullptr, DI_NORMAL);
        if (verticalBar)
            in.top += cy + 3;
        else
            in.left += cx + 3;
    }
    if (!::IsRectEmpty(&in)) DrawTextEllipsis(dc, e.text.data(), (int)e.text.size(), in, !verticalBar);
}

}  // namespace

int FillAutoHideEntry(AutoHideEntry& entry, HWND pane, int size) {
    entry.size = size;
    entry.pane = pane;
    entry.icon = (HICON)::SendMessageA(pane, WM_GETICON, ICON_SMALL, 0);
    if (!entry.icon) entry.icon = (HICON)::GetClassLongPtrA(pane, GCLP_HICONSM);
    int length = ::GetWindowTextLengthA(pane);
    entry.text.clear();
    try {
        std::string text(length + 1, '\0');
        int got = ::GetWindowTextA(pane, text.data(), length + 1);
        text.resize(got > 0 ? got : 0);
        entry.text = std::move(text);
    } catch (const std::bad_alloc&) {
        // An entry without text still works.
    }
    return length + 1;
}

void EnterAutoHideManager(HWND pane, HWND manager, DWORD side) {
    AdoptPane(pane, manager, DockEnteredNotice((side & 1) ? 0 : 1));
}

void LeaveAutoHideManager(HWND pane) { ReleasePane(pane, nullptr); }

int CAutoHideBarEntry::Measure(HDC dc) const {
    return Measure([dc](const std::string& text) {
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text.data(), (int)text.size(), &size);
        return (int)size.cx;
    });
}

// ---- single entry ----

CAutoHideBarEntry::Removal CSingleAutoHideEntry::RemovePane(HWND pane, std::unique_ptr<CAutoHideBarEntry>&) {
    if (pane != m_entry.pane) return Removal::NotHere;
    LeaveAutoHideManager(pane);
    return Removal::Dropped;
}

bool CSingleAutoHideEntry::GiveBack(DockMessage& record) {
    record.pane = m_entry.pane;
    FillPlacement(m_entry.pane, record);
    LeaveAutoHideManager(m_entry.pane);
    return SendRestore(record.target, record) != 0;
}

bool CSingleAutoHideEntry::FillPlacement(HWND pane, DockMessage& record) const {
    if (pane != m_entry.pane) return false;
    record.place.position = 0;
    record.place.ratio = 0;
    record.place.size = m_entry.size;
    record.place.length = 1;
    record.place.index = 0;
    return true;
}

int CSingleAutoHideEntry::Measure(const TextWidth& width) const {
    int w = width(m_entry.text);
    return m_entry.icon ? w + SmallIconWidth() + 9 : w + 6;
}

void CSingleAutoHideEntry::Draw(HDC dc, const RECT& rect, bool verticalBar) const {
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    DrawTab(dc, m_entry, rect, verticalBar, false);
}

// ---- group entry ----

CGroupAutoHideEntry::CGroupAutoHideEntry(std::vector<AutoHideEntry> entries, size_t active, size_t label)
    : m_entries(std::move(entries)), m_active(active), m_label(label), m_iconTab(SmallIconWidth() + 6) {}

CAutoHideBarEntry::Removal CGroupAutoHideEntry::RemovePane(HWND pane,
                                                            std::unique_ptr<CAutoHideBarEntry>& replacement) {
    size_t i = 0;
    while (i < m_entries.size() && m_entries[i].pane != pane) ++i;
    if (i == m_entries.size()) return Removal::NotHere;
    if (m_entries.size() == 2) {
        replacement = std::make_unique<CSingleAutoHideEntry>(std::move(m_entries[1 - i]));
        LeaveAutoHideManager(pane);
        return Removal::Replaced;
    }
    m_entries.erase(m_entries.begin() + (ptrdiff_t)i);
    LeaveAutoHideManager(pane);
    m_label = 0;
    for (size_t k = m_entries.size(); k-- > 0;) {
        if (!m_entries[k].text.empty()) {
            m_label = k;
            break;
        }
    }
    // The active pane stays the same pane; a removed active one gives way to its successor.
    if (i < m_active) --m_active;
    if (m_active >= m_entries.size()) m_active = m_entries.size() - 1;
    return Removal::Kept;
}

bool CGroupAutoHideEntry::GiveBack(DockMessage& record) {
    FillPlacement(record.pane, record);
    HWND first = m_entries[0].pane;
    record.pane = first;
    LeaveAutoHideManager(first);
    SendRestore(record.target, record);
    for (size_t i = 1; i < m_entries.size(); ++i) {
        DockMessage next = record;
        next.pane = m_entries[i].pane;
        next.target = first;
        next.place.index = (LONG)i;
        LeaveAutoHideManager(next.pane);
        SendRestore(first, next);
    }
    DockMessage show(Active().pane, nullptr, kDockShow);
    SendDockMessage(Active().pane, show);
    return true;
}

void CGroupAutoHideEntry::SetLength(int length) {
    m_total = length;
    int count = (int)m_entries.size();
    if (m_total < count * m_iconTab) m_iconTab = m_total / count;
}

bool CGroupAutoHideEntry::FillPlacement(HWND pane, DockMessage& record) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].pane != pane) continue;
        if (i == m_active) record.place.flags |= kPlaceActive;
        record.place.position = 0;
        record.place.ratio = 0;
        record.place.size = m_entries[i].size;
        record.place.length = 1;
        record.place.index = (LONG)i;
        return true;
    }
    return false;
}

int CGroupAutoHideEntry::Measure(const TextWidth& width) const {
    m_iconTab = SmallIconWidth() + 6;
    return width(m_entries[m_label].text) + SmallIconWidth() + 9 + ((int)m_entries.size() - 1) * m_iconTab;
}

void CGroupAutoHideEntry::Draw(HDC dc, const RECT& rect, bool verticalBar) const {
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    int count = (int)m_entries.size();
    int longTab = m_total - (count - 1) * m_iconTab;
    int at = verticalBar ? rect.top : rect.left;
    for (int i = 0; i < count; ++i) {
        int length = i == (int)m_active ? longTab : m_iconTab;
        RECT tab = rect;
        if (verticalBar)
            tab.top = at, tab.bottom = at + length;
        else
            tab.left = at, tab.right = at + length;
        DrawTab(dc, m_entries[i], tab, verticalBar, i != (int)m_active);
        at += length;
        if (verticalBar) {
            ::MoveToEx(dc, rect.left, at, nullptr);
            ::LineTo(dc, rect.right, at);
        } else {
            ::MoveToEx(dc, at, rect.top, nullptr);
            ::LineTo(dc, at, rect.bottom);
        }
    }
}

int GroupIndexAt(int x, int count, int t, int total, int a) {
    if (t <= 0 || count <= 0) return a;
    int index;
    if (x < a * t) {
        index = x / t;
    } else {
        int e = total - t * (count - a - 1);
        index = x <= e ? a : a + (x - e) / t + 1;
    }
    if (index > count - 1) index = count - 1;
    if (index < 0) index = 0;
    return index;
}

int CGroupAutoHideEntry::IndexAt(int x, bool makeActive) {
    int index = GroupIndexAt(x, (int)m_entries.size(), m_iconTab, m_total, (int)m_active);
    if (makeActive) m_active = (size_t)index;
    return index;
}

std::unique_ptr<CAutoHideBarEntry> MakePinnedEntry(const DockMessage& record, HWND manager) {
    const DockPinForm& pin = record.pin;
    DWORD side = pin.flags & 3;
    try {
        if (pin.count < 2 || !pin.panes) {
            AutoHideEntry e;
            FillAutoHideEntry(e, record.pane, pin.size);
            auto entry = std::make_unique<CSingleAutoHideEntry>(std::move(e));
            EnterAutoHideManager(record.pane, manager, side);
            return entry;
        }
        std::vector<AutoHideEntry> entries((size_t)pin.count);
        size_t label = 0, active = 0;
        int longest = -1;
        for (size_t i = 0; i < entries.size(); ++i) {
            int length = FillAutoHideEntry(entries[i], pin.panes[i], pin.size);
            if (length > longest) longest = length, label = i;
            if (pin.panes[i] == record.pane) active = i;
        }
        auto entry = std::make_unique<CGroupAutoHideEntry>(std::move(entries), active, label);
        for (LONG i = 0; i < pin.count; ++i) EnterAutoHideManager(pin.panes[i], manager, side);
        return entry;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
