#include "DockTestSupport.h"

#include <string>

#include "DragOutline.h"

HWND CTestPane::Create(HWND owner, SIZE min) {
    minimum = min;
    RECT r{300, 300, 500, 450};
    return CMsgWindow::Create(owner, &r, "pane", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                              WS_EX_TOOLWINDOW);
}

LRESULT CTestPane::OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool&) {
    auto* mmi = (MINMAXINFO*)l;
    mmi->ptMinTrackSize = {minimum.cx, minimum.cy};
    return 0;
}

LRESULT CTestPane::OnNotice(UINT, WPARAM w, LPARAM l, bool&) {
    notices.push_back({w, (HWND)l});
    return 1;
}

LRESULT CTestPane::OnBoxMessage(UINT, WPARAM, LPARAM l, bool&) {
    auto* record = (DockMessage*)l;
    return record && record->code == kDockProtocolQuery ? 1 : 0;
}

LRESULT CMinimumWindow::OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool&) {
    auto* mmi = (MINMAXINFO*)l;
    mmi->ptMinTrackSize = {minimum.cx, minimum.cy};
    return 0;
}

HWND CTestFrame::Create(int width, int height) {
    RECT r{0, 0, width, height};
    return CMsgWindow::Create(nullptr, &r, "frame", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_CLIPCHILDREN);
}

LRESULT CTestFrame::OnCreate(UINT, WPARAM, LPARAM, bool&) {
    CLIENTCREATESTRUCT ccs{nullptr, 1000};
    mdiClient = ::CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10,
                                  m_hWnd, nullptr, ::GetModuleHandleA(nullptr), &ccs);
    mdiMinimum.SubclassWindow(mdiClient);
    SetDefaultProc(DefaultProc::Frame);
    SetMdiClient(mdiClient);
    InitDocking(dragMode, &mdiClient);
    return 0;
}

CCaptureWatchdog::CCaptureWatchdog(UINT ms) : m_timer(::SetTimer(nullptr, 0, ms, OnTimer)) { s_fired = false; }

CCaptureWatchdog::~CCaptureWatchdog() { ::KillTimer(nullptr, m_timer); }

void CALLBACK CCaptureWatchdog::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    s_fired = true;
    ::ReleaseCapture();
}

bool LiesAbove(HWND upper, HWND lower) {
    for (HWND h = ::GetWindow(upper, GW_HWNDNEXT); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (h == lower) return true;
    return false;
}

// This thread's only: another test program's drag may show its own.
HWND FindOutline() {
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM out) -> BOOL {
            char name[32] = {};
            ::GetClassNameA(window, name, sizeof name);
            if (std::string(name) != CDragOutline::kClassName) return TRUE;
            *(HWND*)out = window;
            return FALSE;
        },
        (LPARAM)&found);
    return found;
}

OutlineSeen SeeOutline(HWND frame, HWND dragging) {
    OutlineSeen seen;
    HWND outline = FindOutline();
    if (!outline) return seen;
    seen.shown = ::IsWindowVisible(outline) != FALSE;
    seen.topmost = (::GetWindowLongPtrA(outline, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    seen.aboveFrame = LiesAbove(outline, frame);
    seen.keptCapture = ::GetCapture() == dragging;
    ::GetWindowRect(outline, &seen.rect);
    // On the outline's own edge: the pointer must still find what lies below.
    POINT edge{seen.rect.left + 1, seen.rect.top + 1};
    seen.passesPointer = ::WindowFromPoint(edge) != outline;
    return seen;
}

RECT RectIn(HWND window, HWND reference) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, reference, (POINT*)&r, 2);
    return r;
}

RECT ClientOf(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return r;
}

LRESULT SendCode(HWND to, UINT code, HWND pane, HWND target) {
    DockMessage record(pane, target, code);
    return SendDockMessage(to, record);
}

DockMessage Placement(HWND pane, DWORD flags, int position, int size, int length, float ratio) {
    DockMessage r(pane, nullptr, kDockAtPlacement);
    r.place = {flags, position, ratio, size, length, 0};
    return r;
}

void ParkCursor() { ::SetCursorPos(1270, 1010); }

void SetMessagePos(HWND window, POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    ::PostMessageA(window, WM_NULL, 0, 0);
    PumpMessages();
}

#include <ostream>

void PrintTo(const RECT& r, std::ostream* os) {
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

void DockFixture::SetUp() {
    ParkCursor();
    MakeFrame();
}

void DockFixture::TearDown() {
    if (m_frame && m_frame->m_hWnd) ::DestroyWindow(m_frame->m_hWnd);
    PumpMessages();
    m_panes.clear();
    m_frame.reset();
    ResetSeams();
}

void DockFixture::MakeFrame(DWORD dragMode, int width, int height, std::unique_ptr<IAutoHideBars> bars) {
    if (m_frame && m_frame->m_hWnd) ::DestroyWindow(m_frame->m_hWnd);
    m_panes.clear();
    m_frame = std::make_unique<CTestFrame>();
    m_frame->dragMode = dragMode;
    if (bars) m_frame->SetAutoHideBars(std::move(bars));
    ASSERT_NE(m_frame->Create(width, height), nullptr);
    PumpMessages();
}

CTestPane& DockFixture::NewPane(SIZE minimum) {
    m_panes.push_back(std::make_unique<CTestPane>());
    EXPECT_NE(m_panes.back()->Create(Frame(), minimum), nullptr);
    return *m_panes.back();
}

LRESULT DockFixture::Dock(CTestPane& pane, DWORD flags, int position, int size, int length, float ratio) {
    DockMessage r = Placement(pane.m_hWnd, flags, position, size, length, ratio);
    return SendDockMessage(Frame(), r);
}

void DockFixture::SetClientSize(int width, int height) {
    RECT window{}, client = Client();
    ::GetWindowRect(Frame(), &window);
    int extraX = (window.right - window.left) - client.right;
    int extraY = (window.bottom - window.top) - client.bottom;
    ::SetWindowPos(Frame(), nullptr, 0, 0, width + extraX, height + extraY, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
}
