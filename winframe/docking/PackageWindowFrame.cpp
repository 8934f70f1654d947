#include "PackageWindowFrame.h"

#include <algorithm>

#include "BarTracker.h"
#include "DockSeams.h"
#include "DockingMetrics.h"

namespace {

// Keeps the caption bits while switching between child and popup.
constexpr LONG_PTR kKeepCaptionBits = 0x3FFFFFFF;

bool ToScreen(HWND from, RECT& r) {
    return ::ClientToScreen(from, (POINT*)&r.left) && ::ClientToScreen(from, (POINT*)&r.right);
}

bool ToClient(HWND to, RECT& r) {
    return ::ScreenToClient(to, (POINT*)&r.left) && ::ScreenToClient(to, (POINT*)&r.right);
}

}  // namespace

// --- the slot object ---

SlotPtr CreatePackageFrame(HWND parent, Axis panes) { return Seams().createPackageFrame(parent, panes); }

SlotPtr CPackageWindowFrame::Create(HWND parent, Axis panes) {
    auto* window = new CPackageWindow(panes);
    RECT empty{0, 0, 0, 0};
    HWND h = window->Create(parent, &empty, nullptr, CPackageWindow::kStyle);
    if (!h) {
        delete window;
        return nullptr;
    }
    return SlotPtr(new CPackageWindowFrame(h));
}

LRESULT CPackageWindowFrame::HitTest(DockMessage& record) {
    HWND reference = record.target;
    record.target = m_window;
    RECT& r = record.drag.rect;
    if (ToScreen(reference, r)) {
        LRESULT reply = SendDockMessage(m_window, record);
        ToClient(reference, r);
        return reply;
    }
    return SendDockMessage(m_window, record);
}

int CPackageWindowFrame::MinExtent(Axis along) const {
    MINMAXINFO mmi{};
    FillMinMax(mmi);
    return MinTrackAlong(mmi, along);
}

void CPackageWindowFrame::FillMinMax(MINMAXINFO& mmi) const {
    ::SendMessageA(m_window, WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
}

HDWP CPackageWindowFrame::Place(HDWP batch, const RECT& r) {
    return ::DeferWindowPos(batch, m_window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                            SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- the window ---

CPackageWindowFrame::CPackageWindow::CPackageWindow(Axis panes)
    : m_panes(panes, [this](const HWND& pane) { return PaneMinimum(pane); }) {}

WindowClassInfo CPackageWindowFrame::CPackageWindow::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = kClassName;
    info.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    info.background = (HBRUSH)(COLOR_WINDOW + 1);
    info.cursor = IDC_ARROW;
    return info;
}

int CPackageWindowFrame::CPackageWindow::PaneMinimum(HWND pane) const {
    return MinTrackAlong(QueryMinMax(pane), GetAxis());
}

MINMAXINFO CPackageWindowFrame::CPackageWindow::CombinedMinimum() const {
    int along = 0, across = 0;
    for (size_t i = 0; i < m_panes.Count(); ++i) {
        MINMAXINFO mmi = QueryMinMax(m_panes[i].item);
        along += MinTrackAlong(mmi, GetAxis()) + kBarSize;
        across = std::max(across, (int)MinTrackAlong(mmi, Across(GetAxis())));
    }
    if (along > 0) along -= kBarSize;
    MINMAXINFO out{};
    out.ptMinTrackSize = GetAxis() == Axis::X ? POINT{along, across} : POINT{across, along};
    return out;
}

void CPackageWindowFrame::CPackageWindow::Enter(HWND pane) {
    ::ShowWindow(pane, SW_HIDE);
    LONG_PTR style = ::GetWindowLongPtrA(pane, GWL_STYLE);
    ::SetWindowLongPtrA(pane, GWL_STYLE, (style & kKeepCaptionBits) | WS_CHILD);
    ::SetParent(pane, m_hWnd);
    ::SendMessageA(pane, WM_NCACTIVATE, TRUE, 0);
    ::SendMessageA(pane, WM_DOCKNOTICE, DockEnteredNotice(GetAxis() == Axis::X ? 1 : 0), (LPARAM)m_hWnd);
}

void CPackageWindowFrame::CPackageWindow::Leave(HWND pane, HWND notice) {
    ::ShowWindow(pane, SW_HIDE);
    LONG_PTR style = ::GetWindowLongPtrA(pane, GWL_STYLE);
    ::SetWindowLongPtrA(pane, GWL_STYLE, (style & kKeepCaptionBits) | WS_POPUP);
    ::SetParent(pane, nullptr);
    ::SendMessageA(pane, WM_DOCKNOTICE, 0, (LPARAM)notice);
}

void CPackageWindowFrame::CPackageWindow::HandOver(HWND pane, HWND to, HWND notice) {
    ::ShowWindow(pane, SW_HIDE);
    ::SetParent(pane, to);
    ::SendMessageA(pane, WM_DOCKNOTICE, 0, (LPARAM)notice);
}

void CPackageWindowFrame::CPackageWindow::Show(HWND pane) {
    ::SetWindowPos(pane, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

bool CPackageWindowFrame::CPackageWindow::PlacePanes() {
    if (m_panes.Empty()) return true;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const Axis axis = GetAxis(), across = Across(axis);
    HDWP batch = ::BeginDeferWindowPos((int)m_panes.Count());
    for (size_t i = 0; batch && i < m_panes.Count(); ++i) {
        auto [start, end] = m_panes.WindowSpan(i);
        RECT r = MakeRect(axis, start, end, StartOf(client, across), EndOf(client, across));
        batch = ::DeferWindowPos(batch, m_panes[i].item, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return batch && ::EndDeferWindowPos(batch);
}

bool CPackageWindowFrame::CPackageWindow::Layout() {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int from = StartOf(client, GetAxis()) - kBarSize;
    int to = EndOf(client, GetAxis());
    if (to - from < m_panes.MinSum()) to = from + m_panes.MinSum();
    m_panes.SetExtent(from, to);
    return PlacePanes();
}

LRESULT CPackageWindowFrame::CPackageWindow::OnDockMessage(UINT, WPARAM, LPARAM l, bool&) {
    auto* record = (DockMessage*)l;
    if (!record) return 0;
    switch (record->code) {
    case kDockHitTest: return HitTest(*record);
    case kDockDock: return DockAtDrop(*record);
    case kDockRemove: return Remove(*record);
    case kDockQueryPlacement: return QueryPlacement(*record);
    case kDockAtPlacement: return DockAtPlacement(*record);
    case kDockReplace: return Replace(*record);
    case kDockMinLength: return PaneMinimum(record->pane);
    default: return 0;
    }
}

LRESULT CPackageWindowFrame::CPackageWindow::HitTest(DockMessage& record) {
    if (m_panes.Count() == 1 && m_panes[0].item == record.pane) {
        record.target = nullptr;  // its own undock would destroy this window
        return 0;
    }
    RECT r = record.drag.rect;
    ToClient(m_hWnd, r);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    MINMAXINFO mmi = QueryMinMax(record.pane);
    POINT drop{r.left, r.top};
    bool fits = ::PtInRect(&client, drop) && client.right - client.left >= mmi.ptMinTrackSize.x &&
                client.bottom - client.top >= mmi.ptMinTrackSize.y &&
                MinTrackAlong(mmi, GetAxis()) + m_panes.MinSum() < m_panes.To() - m_panes.From();
    if (!fits) {
        record.target = nullptr;
        return 0;
    }
    Axis across = Across(GetAxis());
    r = MakeRect(GetAxis(), StartOf(r, GetAxis()), EndOf(r, GetAxis()), StartOf(client, across),
                 EndOf(client, across));
    ToScreen(m_hWnd, r);
    record.drag.rect = r;
    return 1;
}

LRESULT CPackageWindowFrame::CPackageWindow::DockAtDrop(DockMessage& record) {
    HWND pane = record.pane;
    if (!pane || !::IsWindow(pane)) return 0;
    RECT r = record.drag.rect;
    ToClient(m_hWnd, r);
    int a = StartOf(r, GetAxis());
    if (m_panes.InsertSlot(a, LengthOf(r, GetAxis()), pane, PaneMinimum(pane)) == m_panes.npos) return 0;
    Enter(pane);
    bool placed = Layout();
    Show(pane);
    return placed;
}

LRESULT CPackageWindowFrame::CPackageWindow::Remove(DockMessage& record) {
    size_t i = m_panes.IndexOf([&](const HWND& h) { return h == record.pane; });
    if (i == m_panes.npos) return 0;
    m_panes.Remove(i);
    Layout();
    Leave(record.pane, record.target);
    if (m_panes.Empty()) {
        HWND parent = ::GetParent(m_hWnd);
        DockMessage slot(m_hWnd, parent, kDockRemove);
        SendDockMessage(parent, slot);
        ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    }
    return 1;
}

LRESULT CPackageWindowFrame::CPackageWindow::QueryPlacement(DockMessage& record) {
    size_t i = m_panes.IndexOf([&](const HWND& h) { return h == record.pane; });
    if (i == m_panes.npos) return 0;
    int length = m_panes.To() - m_panes.From();
    record.place.ratio = length > 0 ? (float)(m_panes[i].offset - m_panes.From()) / (float)length : 0.0f;
    record.place.length = m_panes.SlotEnd(i) - m_panes[i].offset - kBarSize;
    if (m_panes.Count() == 1) record.place.flags |= kPlaceAlone;
    return 1;
}

LRESULT CPackageWindowFrame::CPackageWindow::DockAtPlacement(DockMessage& record) {
    HWND pane = record.pane;
    if (!pane || !::IsWindow(pane)) return 0;
    int from = m_panes.From(), to = m_panes.To();
    int p = from + (int)((float)(to - from) * record.place.ratio);
    size_t at = 0;
    while (at < m_panes.Count() && m_panes[at].offset < p) ++at;
    // The stored length leaves out the bar; the entry's length includes it. A
    // first pane fills the window whatever it stored (an auto-hidden pane stores 1).
    int length = m_panes.Count() == 0 ? to - from : record.place.length + kBarSize;
    if (m_panes.InsertAt(at, p, length, pane, PaneMinimum(pane)) == m_panes.npos) return 0;
    Enter(pane);
    bool placed = Layout();
    Show(pane);
    return placed;
}

LRESULT CPackageWindowFrame::CPackageWindow::Replace(DockMessage& record) {
    HWND box = record.replace.window;
    size_t i = m_panes.IndexOf([&](const HWND& h) { return h == record.pane; });
    if (i == m_panes.npos || !box || !::IsWindow(box)) return 0;
    if (record.replace.handOver)
        HandOver(record.pane, box, record.target);
    else
        Leave(record.pane, record.target);
    m_panes[i].item = box;
    Enter(box);
    bool placed = Layout();
    Show(box);
    return placed;
}

LRESULT CPackageWindowFrame::CPackageWindow::OnSize(UINT, WPARAM w, LPARAM, bool&) {
    if (w != SIZE_MINIMIZED) Layout();
    return 0;
}

LRESULT CPackageWindowFrame::CPackageWindow::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
    m_panes.ForEachBar(client, [&](const RECT& bar) { ::FillRect(dc, &bar, face); });
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CPackageWindowFrame::CPackageWindow::OnSetCursor(UINT, WPARAM w, LPARAM l, bool& handled) {
    if ((HWND)w == m_hWnd && LOWORD(l) == HTCLIENT) {
        DWORD pos = ::GetMessagePos();
        POINT p{(short)LOWORD(pos), (short)HIWORD(pos)};
        ::ScreenToClient(m_hWnd, &p);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        if (::PtInRect(&client, p) && m_panes.BarAt(Along(p, GetAxis())) != m_panes.npos) {
            const CDockingMetrics& m = CDockingMetrics::Get();
            ::SetCursor(GetAxis() == Axis::X ? m.SizeWeCursor() : m.SizeNsCursor());
            return TRUE;
        }
    }
    handled = false;
    return 0;
}

LRESULT CPackageWindowFrame::CPackageWindow::OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool&) {
    DefWindowProc();
    auto* mmi = (MINMAXINFO*)l;
    mmi->ptMinTrackSize = CombinedMinimum().ptMinTrackSize;
    mmi->ptMaxTrackSize = {0, 0};
    return 0;
}

LRESULT CPackageWindowFrame::CPackageWindow::OnLButtonDown(UINT, WPARAM, LPARAM l, bool& handled) {
    POINT p{(short)LOWORD(l), (short)HIWORD(l)};
    size_t k = m_panes.BarAt(Along(p, GetAxis()));
    if (k == m_panes.npos) {
        handled = false;
        return 0;
    }
    BarTrack t;
    t.owner = m_hWnd;
    t.axis = GetAxis();
    ::GetClientRect(m_hWnd, &t.area);
    t.offset = m_panes[k].offset;
    t.grab = Along(p, t.axis) - t.offset;
    t.lo = m_panes.BarLo(k);
    t.hi = m_panes.BarHi(k);
    t.outline = (CDockingMetrics::Get().DragMode() & kDragOutline) != 0;
    t.apply = [this, k](int c) {
        m_panes.ApplyBarOffset(k, c);
        PlacePanes();
    };
    TrackSplitterBar(t);
    PlacePanes();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return 0;
}
