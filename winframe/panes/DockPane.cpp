// The pane operations: docking, undocking, hiding, showing, pinning and
// placements, and the dock codes a pane answers.
#include "DockPane.h"

#include "PaneParenting.h"
#include "PaneSeams.h"

namespace {

RECT WindowRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

LRESULT SendCodeTo(HWND to, HWND pane, HWND target, UINT code) {
    DockMessage record(pane, target, code);
    return SendDockMessage(to, record);
}

}  // namespace

CDockPaneBase::CDockPaneBase() : m_boxMessage(DockingBoxMessage()) { m_placement.target = nullptr; }

HWND CDockPaneBase::Create(HWND hostFrame, const RECT& rect, const char* title, DWORD style, DWORD exStyle) {
    m_hostFrame = hostFrame;
    const DWORD chosen = style ? style : kDefaultPaneStyle;
    HWND window = CMsgWindow::Create(hostFrame, &rect, title, chosen, exStyle ? exStyle : WS_EX_TOOLWINDOW);
    // A floating pane takes its rectangle when shown; a child never floated.
    if (window && (chosen & WS_CHILD)) m_floatRect = rect;
    return window;
}

bool CDockPaneBase::Undock() {
    QueryPlacement(m_placement);
    return SendCodeTo(m_container, m_hWnd, m_container, kDockRemove) != 0;
}

bool CDockPaneBase::Dock(DockMessage& record) {
    record.code = kDockDock;
    return SendDockMessage(record.target, record) != 0;
}

bool CDockPaneBase::Hide() {
    if (!IsFloating()) {
        if (!QueryPlacement(m_placement)) return false;
        UndockHidden();
    } else {
        m_placement.target = nullptr;
    }
    ShowWindow(SW_HIDE);
    return true;
}

bool CDockPaneBase::Show() {
    if (m_container && SpeaksDockProtocol(m_container)) return ForwardShow() != 0;
    if (m_placement.target) {
        DockMessage record = m_placement;
        return DockAtPlacement(record);
    }
    ShowWindow(SW_SHOW);
    return true;
}

bool CDockPaneBase::ShowInContainer() {
    if (IsFloating() || !SpeaksDockProtocol(m_container)) return false;
    return ForwardShow() != 0;
}

LRESULT CDockPaneBase::ForwardShow() { return SendCodeTo(m_container, m_hWnd, m_container, kDockShow); }

bool CDockPaneBase::QueryPlacement(DockMessage& record) {
    record.target = m_container;
    if (IsFloating()) return true;
    record.pane = m_hWnd;
    record.code = kDockQueryPlacement;
    HWND to = SpeaksDockProtocol(m_container) ? m_container : m_hostFrame;
    return SendDockMessage(to, record) != 0;
}

bool CDockPaneBase::TogglePin() {
    DockMessage placement;
    if (!QueryPlacement(placement)) return false;
    if (!Undock()) return false;
    return PinToAutoHide(placement.place.flags, placement.place.size, false);
}

bool CDockPaneBase::PinToAutoHide(DWORD flags, int size, bool showNow) {
    if (!IsFloating()) Undock();
    DockMessage record(m_hWnd, m_container, kDockPin);
    record.pin = {flags, size, showNow ? 1u : 0u, 0, nullptr};
    return SendDockMessage(m_hostFrame, record) != 0;
}

bool CDockPaneBase::IsAutoHidden() {
    if (IsFloating()) return false;
    return SendCodeTo(m_hostFrame, m_hWnd, m_container, kDockIsAutoHide) != 0;
}

bool CDockPaneBase::IsPaneVisible() {
    return IsAutoHidden() || (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool CDockPaneBase::IsPaneOrBoxVisible() {
    return IsPaneVisible() || (m_container && ::IsWindowVisible(m_container));
}

HWND CDockPaneBase::MakeTabBoxInPlace() {
    HWND box = PaneSeam().makeTabBox(m_hostFrame);
    if (!box) return nullptr;
    if (!IsFloating()) {
        DockMessage record(m_hWnd, m_container, kDockReplace);
        record.replace.window = box;
        // TabTogether puts this pane in the box next.
        record.replace.handOver = 1;
        if (!SendDockMessage(m_container, record)) {
            ::PostMessageA(box, WM_CLOSE, 0, 0);
            return nullptr;
        }
    } else {
        // A box made as a child floats as a popup owned by the frame, as a
        // pane let go by its container does.
        if (::GetWindowLongPtrA(box, GWL_STYLE) & WS_CHILD) ReleasePane(box, nullptr);
        RECT r = WindowRectOf(m_hWnd);
        ::SetWindowPos(box, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_SHOWWINDOW);
    }
    return box;
}

// ---- dock codes ----

LRESULT CDockPaneBase::OnDockMessage(UINT, WPARAM, LPARAM l, bool&) {
    auto* record = (DockMessage*)l;
    if (!record) return 0;
    switch (record->code) {
    case kDockHitTest: return HitTest(*record);
    case kDockDock: return TabTogether(*record, false);
    case kDockQueryPlacement: return AnswerPlacement(*record);
    case kDockAtPlacement: return TabTogether(*record, true);
    case kDockProtocolQuery: return 1;
    case kDockShow: return IsFloating() ? 0 : ForwardShow();
    default: return 0;
    }
}

LRESULT CDockPaneBase::HitTest(DockMessage& record) {
    POINT drop{record.drag.rect.left, record.drag.rect.top};
    if (SendMessage(WM_NCHITTEST, 0, MAKELPARAM(drop.x, drop.y)) != HTCAPTION) return 0;
    record.target = m_hWnd;
    RECT client{};
    GetClientRect(&client);
    ::MapWindowPoints(m_hWnd, nullptr, (POINT*)&client, 2);
    record.drag.rect = client;
    return 1;
}

LRESULT CDockPaneBase::TabTogether(DockMessage& record, bool atPlacement) {
    record.target = m_container;
    if (m_container && SpeaksDockProtocol(m_container)) return SendDockMessage(m_container, record);
    HWND box = MakeTabBoxInPlace();
    if (!box) return 0;
    UINT code = atPlacement ? kDockAtPlacement : kDockDock;
    DockMessage self = record;
    self.pane = m_hWnd;
    self.target = box;
    self.code = code;
    SendDockMessage(box, self);
    record.target = box;
    record.code = code;
    return SendDockMessage(box, record);
}

LRESULT CDockPaneBase::AnswerPlacement(DockMessage& record) {
    HWND caller = record.pane;
    LRESULT found = 1;
    if (!IsFloating()) {
        record.pane = m_hWnd;
        found = QueryPlacement(record);
    } else if (IsPaneVisible() || !m_placement.target) {
        record.floating.flags = kPlaceFloating;
        record.floating.rect = WindowRectOf(m_hWnd);
    } else {
        record.place = m_placement.place;
    }
    record.pane = caller;
    record.target = m_hWnd;
    return found;
}
