#pragma once
// Real panes docked into a real dock site frame, and a stand-in for the
// auto-hide bars that keeps its entries in four deques.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "AutoHideEntry.h"
#include "DockPane.h"
#include "DockTestSupport.h"
#include "PaneSeams.h"

class CTestDockPane : public CDockPaneImpl<CTestDockPane> {
public:
    static constexpr const char* kClassName = "TwTestDockPane";
    SIZE minimum{60, 40};
    // Runs when WM_APP arrives, so a test can act in the middle of a loop.
    std::function<void()> probe;

    TW_BEGIN_MSG_MAP(CTestDockPane)
        TW_CHAIN_MSG_MAP(CDockPaneImpl<CTestDockPane>)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_APP, OnProbe)
    TW_END_MSG_MAP()

private:
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM l, bool&);
    LRESULT OnProbe(UINT, WPARAM, LPARAM, bool&) {
        if (probe) probe();
        return 0;
    }
};

class CStandInBars : public IAutoHideBars {
public:
    static constexpr int kThickness = 24;
    std::deque<std::unique_ptr<CAutoHideBarEntry>> bars[4];
    std::vector<DockMessage> pins;
    HWND manager = nullptr;

    bool Create(HWND frame) override;
    HWND Window() const override { return manager; }
    void UpdateMetrics() override {}
    RECT Place(const RECT& available) override;
    void DrawBars(HDC) override {}
    SIZE OccupiedThickness() const override;
    LRESULT QueryPlacement(DockMessage& record) override;
    LRESULT Pin(DockMessage& record, bool& barWasEmpty) override;
};

// A frame with the stand-in bars; panes made hidden and floating.
class PaneFixture : public DockFixture {
protected:
    void SetUp() override;
    void TearDown() override;
    CTestDockPane& NewDockPane(const char* title = "pane", DWORD style = kHiddenStyle);
    // Docks in a new slot at a side through the pane's own DockAtPlacement.
    bool DockAt(CTestDockPane& pane, DWORD side, int position = 0, int size = 200);
    RECT WindowOf(HWND window) const;

    static constexpr DWORD kHiddenStyle = kDefaultPaneStyle & ~WS_VISIBLE;
    CStandInBars* m_bars = nullptr;
    std::vector<std::unique_ptr<CTestDockPane>> m_dockPanes;
};

// The ghost frames drawn, in order.
extern std::vector<RECT> g_ghostFrames;
