#pragma once
// One of the four auto-hide bars along the frame's client edges: its entries
// (one per pinned pane or pinned box), their tab lengths, drawing and hit
// testing. The bar owns its entries, never their panes.
#include <windows.h>

#include <deque>
#include <memory>

#include "AutoHideEntry.h"

// What a point on a bar names: the entry and the pane of the tab under it.
struct AutoHideHit {
    CAutoHideBarEntry* entry = nullptr;
    HWND pane = nullptr;
};

class CAutoHideBar {
public:
    DWORD side = 8;  // 0 bottom, 1 right, 2 top, 3 left; 8 until given
    RECT rect{};     // frame client coordinates; empty while it holds nothing
    std::deque<std::unique_ptr<CAutoHideBarEntry>> entries;

    bool Empty() const { return entries.empty(); }
    // Takes its strip of `r` (nothing when empty) and lays the tabs out.
    bool Place(HDC dc, RECT& r, int thickness, int indentStart, int indentEnd);
    void LayoutTabs(HDC dc);
    void Draw(HDC dc, bool fillBackground) const;
    // `select` lets a group make the pointed tab its active one.
    AutoHideHit HitTest(POINT point, bool select);
    // The index of the entry holding the pane, or -1.
    int IndexOf(HWND pane) const;
    // With a record the entry gives its panes back (and goes); without, the
    // pane alone leaves. False when no entry holds it.
    bool RemovePane(HWND pane, DockMessage* record);
    // The font of the bar's tabs: running downward on the side bars.
    HFONT Font() const;
};
