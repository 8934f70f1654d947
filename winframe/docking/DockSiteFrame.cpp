#include "DockSiteFrame.h"

#include "DockingMetrics.h"
#include "GdiHandles.h"

CDockSiteFrame::CDockSiteFrame() = default;
CDockSiteFrame::~CDockSiteFrame() = default;

void CDockSiteFrame::InitDocking(DWORD mode, HWND* centre) {
    if (m_initialised) return;
    m_initialised = true;
    if (centre) m_centre = centre;
    CDockingMetrics::Get().SetDragMode(mode);
    if (m_autoHide) {
        m_autoHide->SetFrameLayout([this] { UpdateLayout(); });
        m_autoHide->Create(m_hWnd);
    }
    RefreshMetrics();
    UpdateLayout();
    m_outer.SetCentreArea(m_inner, m_inner.Rect());
    m_inner.SetCentreWindow(m_centre, m_inner.Rect());
}

void CDockSiteFrame::RefreshMetrics() {
    CDockingMetrics::Get().Refresh();
    if (m_autoHide) m_autoHide->UpdateMetrics();
}

RECT CDockSiteFrame::DockingRect() {
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    return r;
}

void CDockSiteFrame::UpdateLayout() {
    if (!m_hWnd) return;
    RECT r = DockingRect();
    if (m_autoHide) r = m_autoHide->Place(r);
    m_outer.SetRect(r);
    // A hidden frame is painted whole when it is shown: drawing now is lost work.
    if (!::IsWindowVisible(m_hWnd)) return;
    if (const CClientDc dc(m_hWnd); dc) DrawBars(dc);
}

void CDockSiteFrame::DrawBars(HDC dc) {
    m_outer.DrawBars(dc);
    m_inner.DrawBars(dc);
    if (m_autoHide) m_autoHide->DrawBars(dc);
}

void CDockSiteFrame::Redraw() {
    // The panes docked while the frame is made, before it shows, cost no paint.
    if (!::IsWindowVisible(m_hWnd)) return;
    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW;
    if (!*m_centre) flags |= RDW_ERASE;
    ::RedrawWindow(m_hWnd, nullptr, nullptr, flags);
}

CDockSplitter* CDockSiteFrame::AreaAt(POINT p) {
    if (::PtInRect(&m_inner.Rect(), p)) return &m_inner;
    if (::PtInRect(&m_outer.Rect(), p)) return &m_outer;
    return nullptr;
}

LRESULT CDockSiteFrame::OnDockMessage(UINT, WPARAM, LPARAM l, bool&) {
    auto* record = (DockMessage*)l;
    if (!record) return 0;
    LRESULT reply = 0;
    switch (record->code) {
    case kDockHitTest: return HitTest(*record);
    case kDockDock: {
        CDockSplitter& area = (record->drag.dropFlags & kDropInnerArea) ? m_inner : m_outer;
        record->drag.dropFlags &= ~kDropInnerArea;
        reply = area.InsertNewSlot(*record, m_hWnd);
        Redraw();
        return reply;
    }
    case kDockRemove:
        reply = m_outer.RemoveSlot(record->pane) || m_inner.RemoveSlot(record->pane);
        if (reply) Redraw();
        return reply;
    case kDockQueryPlacement: return QueryPlacement(*record);
    case kDockAtPlacement: {
        CDockSplitter& area = (record->place.flags & kPlaceLeftRight) ? m_inner : m_outer;
        reply = area.DockPane(*record, m_hWnd);
        Redraw();
        return reply;
    }
    case kDockClampFloat: return ClampFloat(*record);
    case kDockIsAutoHide: return m_autoHide && record->target && record->target == m_autoHide->Window();
    case kDockPin: return Pin(*record);
    default: return 0;
    }
}

LRESULT CDockSiteFrame::HitTest(DockMessage& record) {
    RECT screen = record.drag.rect;
    RECT client = screen;
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&client, 2);
    record.drag.dropFlags = 0;
    record.drag.rect = client;
    record.target = m_hWnd;
    LRESULT accepted = m_inner.HitTest(record);
    if (accepted) {
        record.drag.dropFlags |= kDropInnerArea;
    } else {
        record.target = m_hWnd;
        record.drag.rect = client;
        record.drag.dropFlags = 0;
        accepted = m_outer.HitTest(record);
        if (!accepted) {
            record.target = nullptr;
            record.drag.rect = client;
        }
    }
    ::MapWindowPoints(m_hWnd, nullptr, (POINT*)&record.drag.rect, 2);
    return accepted ? 1 : 0;
}

LRESULT CDockSiteFrame::ClampFloat(DockMessage& record) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    ClampFloatRect(record.drag.rect, client.right - client.left, client.bottom - client.top,
                   ::GetSystemMetrics(SM_CXMIN), ::GetSystemMetrics(SM_CYMIN));
    return 1;
}

LRESULT CDockSiteFrame::QueryPlacement(DockMessage& record) {
    if (m_autoHide && m_autoHide->QueryPlacement(record)) return 1;
    HWND target = record.target;
    record.place.flags = 0;
    if (LRESULT found = m_outer.QueryPlacement(record)) return found;
    record.target = target;
    record.place.flags = kPlaceLeftRight;
    if (LRESULT found = m_inner.QueryPlacement(record)) return found;
    record.target = target;
    return 0;
}

LRESULT CDockSiteFrame::Pin(DockMessage& record) {
    if (!m_autoHide) return 0;
    bool barWasEmpty = false;
    LRESULT made = m_autoHide->Pin(record, barWasEmpty);
    if (made && barWasEmpty) {
        UpdateLayout();
        Redraw();
    }
    return made;
}

LRESULT CDockSiteFrame::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    InitDocking(0);
    handled = false;
    return 0;
}

LRESULT CDockSiteFrame::OnSize(UINT, WPARAM w, LPARAM, bool&) {
    // Not passed on: the default frame procedure would stretch the MDI client over the areas.
    if (w != SIZE_MINIMIZED && m_initialised) UpdateLayout();
    return 0;
}

namespace {

// Wine's late raise of the frame comes when its X events are read, sooner or
// later with the machine's load: the popups are raised at every tick for a
// second.
constexpr UINT_PTR kRaiseAfterShowTimer = 0x7D01;
constexpr UINT kRaiseAfterShowMs = 100;
constexpr int kRaiseAfterShowTicks = 10;

// Puts the frame's visible owned popups back above it: Wine lets a frame
// shown or raised after them (a layout restored before the frame is shown,
// a click on its title bar) cover them.
BOOL CALLBACK RaiseOwnedPopup(HWND window, LPARAM frame) {
    if (::GetWindow(window, GW_OWNER) == (HWND)frame && ::IsWindowVisible(window))
        ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

}  // namespace

LRESULT CDockSiteFrame::OnPosChanged(UINT, WPARAM, LPARAM l, bool& handled) {
    // Floating panes and boxes are popups owned by the frame; Wine leaves
    // them on screen when their owner is minimised, so the frame hides them
    // itself and shows again only those it hid.
    handled = false;
    const bool minimised = ::IsIconic(m_hWnd) != FALSE;
    if (minimised && !m_floatersHidden) {
        ::ShowOwnedPopups(m_hWnd, FALSE);
        m_floatersHidden = true;
    } else if (!minimised && m_floatersHidden && ::IsWindowVisible(m_hWnd)) {
        ::ShowOwnedPopups(m_hWnd, TRUE);
        m_floatersHidden = false;
    }
    const auto* pos = (const WINDOWPOS*)l;
    if (!minimised && (pos->flags & SWP_SHOWWINDOW || !(pos->flags & SWP_NOZORDER)))
        RaiseOwnedPopups();
    // A frame just shown (a layout restored before the frame shows it) is
    // brought forward again by Wine once its X window is mapped, after its
    // first paint and without a message to the frame or the popups: they are
    // raised again for a while.
    if (!minimised && (pos->flags & SWP_SHOWWINDOW)) RaiseOwnedPopupsForAWhile();
    return 0;
}

LRESULT CDockSiteFrame::OnNcLButtonDown(UINT, WPARAM, LPARAM, bool&) {
    // A press on the frame's caption or border runs the move loop; under Wine
    // the frame then comes forward without a message, covering its popups.
    LRESULT result = DefWindowProc();
    if (::IsWindowVisible(m_hWnd) && !::IsIconic(m_hWnd)) {
        RaiseOwnedPopups();
        RaiseOwnedPopupsForAWhile();
    }
    return result;
}

LRESULT CDockSiteFrame::OnTimer(UINT, WPARAM w, LPARAM, bool& handled) {
    if (w != kRaiseAfterShowTimer) {
        handled = false;
        return 0;
    }
    if (--m_raiseTicks <= 0) ::KillTimer(m_hWnd, kRaiseAfterShowTimer);
    if (::IsWindowVisible(m_hWnd) && !::IsIconic(m_hWnd)) RaiseOwnedPopups();
    return 0;
}

void CDockSiteFrame::RaiseOwnedPopupsForAWhile() {
    m_raiseTicks = kRaiseAfterShowTicks;
    ::SetTimer(m_hWnd, kRaiseAfterShowTimer, kRaiseAfterShowMs, nullptr);
}

LRESULT CDockSiteFrame::OnActivate(UINT, WPARAM w, LPARAM, bool& handled) {
    // Activation raises the frame without telling it of a new z-order.
    if (LOWORD(w) != WA_INACTIVE && !::IsIconic(m_hWnd)) RaiseOwnedPopups();
    handled = false;
    return 0;
}

void CDockSiteFrame::RaiseOwnedPopups() {
    ::EnumThreadWindows(::GetCurrentThreadId(), RaiseOwnedPopup, (LPARAM)m_hWnd);
}

LRESULT CDockSiteFrame::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    DrawBars(dc);
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CDockSiteFrame::OnSetCursor(UINT, WPARAM w, LPARAM l, bool& handled) {
    if ((HWND)w == m_hWnd && LOWORD(l) == HTCLIENT) {
        DWORD pos = ::GetMessagePos();
        POINT p{(short)LOWORD(pos), (short)HIWORD(pos)};
        ::ScreenToClient(m_hWnd, &p);
        if (CDockSplitter* area = AreaAt(p); area && area->BarAt(p) != CDockSplitter::Sequence::npos) {
            const CDockingMetrics& m = CDockingMetrics::Get();
            ::SetCursor(area->GetAxis() == Axis::Y ? m.SizeNsCursor() : m.SizeWeCursor());
            return TRUE;
        }
    }
    handled = false;
    return 0;
}

LRESULT CDockSiteFrame::OnLButtonDown(UINT, WPARAM, LPARAM l, bool& handled) {
    POINT p{(short)LOWORD(l), (short)HIWORD(l)};
    CDockSplitter* area = AreaAt(p);
    size_t k = area ? area->BarAt(p) : CDockSplitter::Sequence::npos;
    if (k == CDockSplitter::Sequence::npos) {
        handled = false;
        return 0;
    }
    bool outline = (CDockingMetrics::Get().DragMode() & kDragOutline) != 0;
    if (area->TrackBar(m_hWnd, k, p, outline)) Redraw();
    return 0;
}

LRESULT CDockSiteFrame::OnMouseOverBars(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    handled = false;
    if (!m_autoHide) return 0;
    POINT p{(short)LOWORD(l), (short)HIWORD(l)};
    if (msg == WM_MOUSEMOVE)
        m_autoHide->MouseMove(p, w);
    else
        m_autoHide->MouseHover(p, w);
    return 0;
}

LRESULT CDockSiteFrame::OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool&) {
    DefWindowProc();
    auto* mmi = (MINMAXINFO*)l;
    MINMAXINFO area{};
    m_outer.FillMinMax(area);
    POINT size = area.ptMinTrackSize;
    // Margins against the docking space before the auto-hide strips, which are added next.
    RECT window{}, docking = DockingRect();
    ::GetWindowRect(m_hWnd, &window);
    ::MapWindowPoints(m_hWnd, nullptr, (POINT*)&docking, 2);
    RECT both{};
    if (::IntersectRect(&both, &docking, &window) && ::EqualRect(&both, &docking)) {
        size.x += (window.right - window.left) - (docking.right - docking.left);
        size.y += (window.bottom - window.top) - (docking.bottom - docking.top);
    }
    if (m_autoHide) {
        SIZE bars = m_autoHide->OccupiedThickness();
        size.x += bars.cx;
        size.y += bars.cy;
    }
    mmi->ptMinTrackSize = size;
    return 0;
}

LRESULT CDockSiteFrame::OnSettingChange(UINT, WPARAM, LPARAM, bool&) {
    RefreshMetrics();
    return 0;
}
