#pragma once
// The layout items of the main window (its placement, with the children
// laid out against the size it comes back at) and of its rebar (the bands'
// order, sizes and styles, matched by band id).
#include <windows.h>

#include "LayoutItem.h"

// Bit 31 of a show command: the low bits win over the stored one.
constexpr DWORD kShowOverride = 0x80000000u;

class CMainWindowLayoutItem : public CLayoutContainer {
public:
    CMainWindowLayoutItem(HWND window, DWORD showCommand) : m_window(window), m_show(showCommand) {}

    bool Store(CLayoutStore& store) override;
    // A missing or damaged placement still shows the window, as the default does.
    bool Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) override;
    // The children's defaults, then the window shown with the item's command.
    bool RestoreDefault() override;

private:
    void ApplyMaximized(const WINDOWPLACEMENT& placement);

    HWND m_window;
    DWORD m_show;
};

class CRebarLayoutItem : public CLayoutItem {
public:
    explicit CRebarLayoutItem(HWND rebar) : m_rebar(rebar) {}

    bool Store(CLayoutStore& store) override;
    // A stored band whose id no band has is skipped.
    bool Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) override;
    bool RestoreDefault() override { return true; }

private:
    HWND m_rebar;
};

// SPI_GETWORKAREA, or the full-screen size when that fails.
RECT LayoutWorkArea();
