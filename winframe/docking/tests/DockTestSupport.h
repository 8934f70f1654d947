#pragma once
// Real windows for the docking tests: a stand-in pane, a frame with an MDI
// client of known minimum, a capture watchdog and message pumping.
#include <windows.h>

#include <functional>
#include <vector>

#include "DockMessage.h"
#include "DockSeams.h"
#include "DockSiteFrame.h"
#include "DockingMetrics.h"
#include "MessagePump.h"
#include "Window.h"

// A pane until the pane base exists: answers its minimum, speaks the
// protocol query and records the container notices.
class CTestPane : public CMsgWindow {
public:
    struct Notice {
        WPARAM wParam;
        HWND container;
    };
    SIZE minimum{60, 40};
    std::vector<Notice> notices;
    // Runs when WM_APP arrives: lets a test look at the layout mid-gesture.
    std::function<void()> probe;

    HWND Create(HWND owner, SIZE min = {60, 40});

    TW_BEGIN_MSG_MAP(CTestPane)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_DOCKNOTICE, OnNotice)
        TW_MESSAGE_HANDLER(WM_APP, OnProbe)
        TW_REGISTERED_MESSAGE_HANDLER(m_boxMessage, OnBoxMessage)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwDockTestPane"}; }

private:
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool&);
    LRESULT OnNotice(UINT, WPARAM w, LPARAM l, bool&);
    LRESULT OnBoxMessage(UINT, WPARAM, LPARAM l, bool&);
    LRESULT OnProbe(UINT, WPARAM, LPARAM, bool&) {
        if (probe) probe();
        return 0;
    }
    UINT m_boxMessage = DockingBoxMessage();
};

// Gives the MDI client a minimum so the centre's limits show.
class CMinimumWindow : public CMsgWindow {
public:
    SIZE minimum{100, 80};
    TW_BEGIN_MSG_MAP(CMinimumWindow)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
    TW_END_MSG_MAP()

private:
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool& handled);
};

class CTestFrame : public CDockSiteFrame {
public:
    HWND mdiClient = nullptr;
    CMinimumWindow mdiMinimum;
    DWORD dragMode = kDragKeepMode | kDragFullWindow;

    // A popup frame: nothing clamps its size, so it can be made too small.
    HWND Create(int width, int height);

    TW_BEGIN_MSG_MAP(CTestFrame)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_CHAIN_MSG_MAP(CDockSiteFrame)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwDockTestFrame"}; }

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
};

// Releases the capture after a while, so that a stuck loop fails instead of hanging.
class CCaptureWatchdog {
public:
    explicit CCaptureWatchdog(UINT ms = 3000);
    ~CCaptureWatchdog();
    bool Fired() const { return s_fired; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static inline bool s_fired = false;
    UINT_PTR m_timer;
};

// A window's rectangle in another window's client coordinates.
RECT RectIn(HWND window, HWND reference);
// True when `upper` lies above `lower` among the top-level windows.
bool LiesAbove(HWND upper, HWND lower);
RECT ClientOf(HWND window);
// Sends a code with a record of the pane and target.
LRESULT SendCode(HWND to, UINT code, HWND pane, HWND target = nullptr);
// A code-5 placement record.
DockMessage Placement(HWND pane, DWORD flags, int position, int size = 100, int length = 100, float ratio = 0);
// What the drag outline window showed at one moment of a drag.
struct OutlineSeen {
    bool shown = false;       // a visible outline window exists
    bool topmost = false;
    bool aboveFrame = false;  // in the z-order
    bool keptCapture = false; // the drag's window still holds the mouse
    bool passesPointer = false;  // the window under the pointer is not the outline
    RECT rect{};
};
// The drag outline window of this thread, or null when none is up.
HWND FindOutline();
OutlineSeen SeeOutline(HWND frame, HWND dragging);
// Moves the real cursor away from the test windows.
void ParkCursor();
// Makes GetMessagePos report a screen point, as the real cursor would.
void SetMessagePos(HWND window, POINT screen);

#include <gtest/gtest.h>

#include <memory>

// A fresh frame per test, panes made on demand, the cursor parked away.
class DockFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes the frame; tests that need another drag mode or size call it again.
    void MakeFrame(DWORD dragMode = kDragKeepMode | kDragFullWindow, int width = 900, int height = 700,
                   std::unique_ptr<IAutoHideBars> bars = nullptr);
    CTestPane& NewPane(SIZE minimum = {60, 40});
    LRESULT Dock(CTestPane& pane, DWORD flags, int position, int size = 100, int length = 100, float ratio = 0);
    HWND Frame() const { return m_frame->m_hWnd; }
    HWND Mdi() const { return m_frame->mdiClient; }
    RECT MdiRect() const { return RectIn(Mdi(), Frame()); }
    RECT Client() const { return ClientOf(Frame()); }
    // Resizes the frame so that its client gets this size.
    void SetClientSize(int width, int height);

    std::unique_ptr<CTestFrame> m_frame;
    std::vector<std::unique_ptr<CTestPane>> m_panes;
};

// gtest prints of rectangles.
inline bool operator==(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }
void PrintTo(const RECT& r, std::ostream* os);
