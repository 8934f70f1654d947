// The tab docking box: its strip and layout, the panes it takes in and lets
// go, collapsing and closing, hiding and showing, and the placement it gives
// the panes inside it.
#include "TabDockingBox.h"

#include <vector>

#include "OwnCaption.h"
#include "PaneParenting.h"

namespace {

RECT WindowRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

HICON SmallIconOf(HWND pane) {
    HICON icon = (HICON)::SendMessageA(pane, WM_GETICON, ICON_SMALL, 0);
    return icon ? icon : (HICON)::GetClassLongPtrA(pane, GCLP_HICONSM);
}

std::string TextOf(HWND window) {
    int length = ::GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    int got = ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(got > 0 ? got : 0);
    return text;
}

}  // namespace

HWND CTabDockingBox::Make(HWND hostFrame) {
    auto* box = new CTabDockingBox();
    box->m_hostFrame = hostFrame;
    const RECT r{0, 0, 100, 100};
    HWND h = box->Create(hostFrame, &r, "", (kTabBoxStyle & ~WS_POPUP) | WS_CHILD, WS_EX_TOOLWINDOW);
    if (!h) {
        delete box;
        return nullptr;
    }
    return h;
}

CTabDockingBox* CTabDockingBox::FromWindow(HWND window) {
    return dynamic_cast<CTabDockingBox*>(CMsgWindow::FromHandle(window));
}

CTabDockingBox::CTabDockingBox() : m_boxMessage(DockingBoxMessage()) { m_placement.target = nullptr; }

CTabDockingBox::~CTabDockingBox() = default;

WindowClassInfo CTabDockingBox::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = "CTabDockingBox";
    info.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    info.background = (HBRUSH)(COLOR_WINDOW + 1);
    info.cursor = IDC_ARROW;
    return info;
}

int CTabDockingBox::IndexOf(HWND pane) const {
    if (!pane) return -1;
    for (int i = 0; i < PaneCount(); ++i)
        if (PaneAt(i) == pane) return i;
    return -1;
}

// ---- the docking operations ----

bool CTabDockingBox::QueryOwnPlacement(DockMessage& record) {
    record.target = m_container;
    if (IsFloating()) return true;
    record.pane = m_hWnd;
    record.code = kDockQueryPlacement;
    // The container is a slot window; the frame answers for it.
    return SendDockMessage(m_hostFrame, record) != 0;
}

bool CTabDockingBox::Undock() {
    QueryOwnPlacement(m_placement);
    DockMessage record(m_hWnd, m_container, kDockRemove);
    return SendDockMessage(m_container, record) != 0;
}

bool CTabDockingBox::Dock(DockMessage& record) {
    HWND target = record.target;
    if (!target) return false;
    record.code = kDockDock;
    // A slot window or the frame takes the box as one.
    if (!SpeaksDockProtocol(target)) return SendDockMessage(target, record) != 0;
    // A pane or another box takes the panes one by one, last tab first.
    const HWND active = m_active;
    const RECT here = WindowRectOf(m_hWnd);
    for (int i = PaneCount() - 1; i >= 0; --i) {
        HWND pane = PaneAt(i);
        if (!pane || !RemovePane(pane)) continue;
        DockMessage each = record;
        each.pane = pane;
        each.target = target;
        each.code = kDockDock;
        if (!SendDockMessage(target, each)) {
            // Never lost: it floats where the box was.
            ::SetWindowPos(pane, HWND_TOP, here.left, here.top, here.right - here.left, here.bottom - here.top,
                           SWP_SHOWWINDOW | SWP_FRAMECHANGED);
        }
    }
    if (active && ::IsWindow(active)) {
        DockMessage show(active, nullptr, kDockShow);
        SendDockMessage(active, show);
    }
    PostMessage(WM_CLOSE);
    return true;
}

bool CTabDockingBox::Hide() {
    if (!IsFloating()) {
        if (!QueryOwnPlacement(m_placement)) return false;
        UndockHidden();
    } else {
        m_placement.target = nullptr;
    }
    ShowWindow(SW_HIDE);
    return true;
}

bool CTabDockingBox::Show() {
    if (m_placement.target) {
        DockMessage record = m_placement;
        return DockAtPlacement(record);
    }
    ShowWindow(SW_SHOW);
    return true;
}

// ---- panes in and out ----

bool CTabDockingBox::AddPane(HWND pane, int index) {
    if (!pane || !::IsWindow(pane) || pane == m_hWnd) return false;
    if (int at = IndexOf(pane); at >= 0) {
        m_tabs.SetCurSel(at, true);
        return true;
    }
    if (index < 0 || index > PaneCount()) index = PaneCount();
    AdoptPane(pane, m_hWnd, DockEnteredNotice(0));
    int image = -1;
    if (HICON icon = SmallIconOf(pane); icon && m_images) image = ::ImageList_ReplaceIcon(m_images.get(), -1, icon);
    // The strip selects the new tab, which makes the pane the active one.
    return m_tabs.InsertItem(index, TextOf(pane).c_str(), image, (LPARAM)pane) != -1;
}

bool CTabDockingBox::RemovePane(HWND pane) {
    int i = IndexOf(pane);
    if (i < 0) return false;
    if (pane == m_active) m_active = nullptr;
    if (!m_tabs.DeleteItem(i)) return false;
    ReleasePane(pane, m_hWnd);
    return true;
}

LRESULT CTabDockingBox::RemoveByCode(DockMessage& record) {
    if (!RemovePane(record.pane)) return 0;
    if (PaneCount() >= 2) return 1;
    PostMessage(WM_CLOSE, kCloseCollapse);
    if (PaneCount() == 0) Hide();
    return 1;
}

void CTabDockingBox::Collapse() {
    HWND pane = PaneAt(0);
    if (!RemovePane(pane)) return;
    if (!IsFloating()) {
        DockMessage record(m_hWnd, m_container, kDockReplace);
        record.replace.window = pane;
        if (SendDockMessage(m_container, record)) return;
    }
    // Floating, or a slot that would not take it: it floats where the box was.
    const RECT r = WindowRectOf(m_hWnd);
    ::SetWindowPos(pane, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_SHOWWINDOW | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void CTabDockingBox::DestroyBox() {
    if (!IsFloating() && !Undock()) return;
    // Whatever is still inside leaves first: the panes outlive the box.
    while (PaneCount() > 0) {
        HWND pane = PaneAt(PaneCount() - 1);
        if (!pane || !RemovePane(pane)) m_tabs.DeleteItem(PaneCount() - 1, false, false);
    }
    DestroyWindow();
}

LRESULT CTabDockingBox::OnClose(UINT, WPARAM w, LPARAM, bool&) {
    const int count = PaneCount();
    if (w == kCloseCollapse) {
        // A pane that came back before this ran keeps the box alive.
        if (count >= 2) return 0;
        if (count == 1) Collapse();
        DestroyBox();
        return 0;
    }
    if (count >= 2) {
        Hide();
        return 0;
    }
    HWND last = count == 1 ? PaneAt(0) : nullptr;
    if (last) Collapse();
    DestroyBox();
    // The user closed what showed: the last pane, which keeps its place.
    if (last && ::IsWindow(last)) ::SendMessageA(last, WM_CLOSE, 0, 0);
    return 0;
}

// ---- dock codes ----

LRESULT CTabDockingBox::OnDockMessage(UINT, WPARAM, LPARAM l, bool&) {
    auto* record = (DockMessage*)l;
    if (!record) return 0;
    switch (record->code) {
    case kDockHitTest: return HitTest(*record);
    case kDockDock: return AddPane(record->pane, record->drag.rect.left);
    case kDockRemove: return RemoveByCode(*record);
    case kDockQueryPlacement: return AnswerPlacement(*record);
    case kDockAtPlacement: return AddPane(record->pane, record->place.index);
    case kDockProtocolQuery: return 1;
    case kDockShow: return ShowPaneTab(record->pane);
    default: return 0;
    }
}

LRESULT CTabDockingBox::AnswerPlacement(DockMessage& record) {
    const HWND caller = record.pane;
    const int index = IndexOf(caller);
    if (index < 0) return 0;
    LRESULT found = 1;
    if (!IsFloating()) {
        found = QueryOwnPlacement(record);
    } else if (::IsWindowVisible(m_hWnd) || !m_placement.target) {
        record.floating.flags = kPlaceFloating;
        record.floating.rect = WindowRectOf(m_hWnd);
    } else {
        record.place = m_placement.place;
    }
    record.pane = caller;
    record.place.index = index;
    // With one other pane the box collapses into it once the caller leaves.
    record.target = PaneCount() == 2 ? PaneAt(1 - index) : m_hWnd;
    if (caller == m_active) record.place.flags |= kPlaceActive;
    return found;
}

LRESULT CTabDockingBox::ShowPaneTab(HWND pane) {
    const int i = IndexOf(pane);
    if (i >= 0) m_tabs.SetCurSel(i, true);
    bool autoHidden = false;
    if (m_container) {
        DockMessage ask(m_hWnd, m_container, kDockIsAutoHide);
        autoHidden = SendDockMessage(m_hostFrame, ask) != 0;
    }
    if (!::IsWindowVisible(m_hWnd) && !autoHidden) Show();
    return i >= 0;
}

// ---- strip, layout and selection ----

LRESULT CTabDockingBox::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    const RECT none{0, 0, 0, 0};
    m_tabs.Create(m_hWnd, &none, nullptr, CFlyingTabCtrl::kCreateStyle);
    m_images.reset(::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 5));
    if (m_images) m_tabs.SetImageList(m_images.get());
    handled = false;
    return 0;
}

LRESULT CTabDockingBox::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    if (m_images) {
        m_tabs.SetImageList(nullptr);
        m_images.reset();
    }
    handled = false;
    return 0;
}

RECT CTabDockingBox::StripRect() const {
    RECT r{};
    GetClientRect(&r);
    const int h = m_tabs.GetHeight();
    const DWORD style = (DWORD)::GetWindowLongPtrA(m_tabs.m_hWnd, GWL_STYLE);
    const bool atFarEdge = (style & TSS_TABSATTOP) != 0;
    if (style & TSS_VERTICAL) {
        if (atFarEdge)
            r.left = r.right - h;
        else
            r.right = r.left + h;
    } else {
        if (atFarEdge)
            r.top = r.bottom - h;
        else
            r.bottom = r.top + h;
    }
    return r;
}

void CTabDockingBox::Layout() {
    if (!m_tabs.m_hWnd) return;
    RECT client{};
    GetClientRect(&client);
    const RECT strip = StripRect();
    ::SetWindowPos(m_tabs.m_hWnd, nullptr, strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top,
                   SWP_NOACTIVATE | SWP_NOZORDER);
    if (!m_active) return;
    RECT rest = client;
    if (strip.left > client.left)
        rest.right = strip.left;
    else if (strip.right < client.right)
        rest.left = strip.right;
    else if (strip.top > client.top)
        rest.bottom = strip.top;
    else
        rest.top = strip.bottom;
    ::SetWindowPos(m_active, nullptr, rest.left, rest.top, rest.right - rest.left, rest.bottom - rest.top,
                   SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CTabDockingBox::OnSize(UINT, WPARAM w, LPARAM, bool&) {
    if (w != SIZE_MINIMIZED) Layout();
    return 0;
}

LRESULT CTabDockingBox::OnSelChange(int, LPNMHDR, bool&) {
    HWND pane = PaneAt(m_tabs.GetCurSel());
    if (!pane || pane == m_active) return 0;
    if (m_active) ::ShowWindow(m_active, SW_HIDE);
    m_active = pane;
    SetWindowText(TextOf(pane).c_str());
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)::SendMessageA(pane, WM_GETICON, ICON_SMALL, 0));
    Layout();
    if (::IsWindowVisible(m_hWnd)) ::SetFocus(pane);
    return 0;
}

LRESULT CTabDockingBox::OnSetFocus(UINT, WPARAM, LPARAM, bool&) {
    HWND pane = PaneAt(m_tabs.GetCurSel());
    if (pane && ::IsWindowVisible(pane)) ::SetFocus(pane);
    return 0;
}

LRESULT CTabDockingBox::OnDragOut(int, LPNMHDR, bool&) {
    HWND pane = PaneAt(m_tabs.GetCurSel());
    if (!pane) return 0;
    // The pane starts its own caption drag out of the box.
    const RECT r = WindowRectOf(pane);
    ::PostMessageA(pane, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM((WORD)r.right, (WORD)r.bottom));
    return 0;
}

LRESULT CTabDockingBox::OnTabDoubleClick(int, LPNMHDR, bool&) {
    if (HWND pane = PaneAt(m_tabs.GetCurSel())) ::PostMessageA(pane, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    return 0;
}

// ---- the window's own frame ----

LRESULT CTabDockingBox::OnNcDoubleClick(UINT, WPARAM w, LPARAM, bool& handled) {
    if (w != HTCAPTION) {
        if (IsFloating()) handled = false;
        return 0;
    }
    if (!IsFloating()) {
        Float();
    } else if (m_placement.target) {
        DockMessage record = m_placement;
        DockAtPlacement(record);
    }
    return 0;
}

LRESULT CTabDockingBox::OnSettingChange(UINT, WPARAM, LPARAM, bool&) {
    m_caption.MeasureHeight();
    RecomputeFrame(m_hWnd);
    return 0;
}

